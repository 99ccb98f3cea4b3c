// SPDX-License-Identifier: MIT
#include "ingest/ResultsPage.h"

#include <gumbo.h>

#include <algorithm>
#include <array>
#include <memory>
#include <utility>

namespace quorvel {

namespace {

using Output = std::unique_ptr<GumboOutput, void (*)(GumboOutput*)>;

void destroyOutput(GumboOutput* output) { gumbo_destroy_output(&kGumboDefaultOptions, output); }

const GumboVector* childrenOf(const GumboNode* node) {
    if (node->type == GUMBO_NODE_ELEMENT || node->type == GUMBO_NODE_TEMPLATE) return &node->v.element.children;
    if (node->type == GUMBO_NODE_DOCUMENT) return &node->v.document.children;
    return nullptr;
}

const GumboNode* childAt(const GumboVector& children, unsigned i) {
    return static_cast<const GumboNode*>(children.data[i]);
}

bool isElement(const GumboNode* node, GumboTag tag) {
    return node->type == GUMBO_NODE_ELEMENT && node->v.element.tag == tag;
}

// document.getElementById: the first element in document order with that id. Iterative, so that deeply
// nested markup cannot exhaust the stack.
const GumboNode* elementById(const GumboNode* root, std::string_view id) {
    std::vector<const GumboNode*> pending{root};
    while (!pending.empty()) {
        const GumboNode* node = pending.back();
        pending.pop_back();
        if (node->type == GUMBO_NODE_ELEMENT) {
            const GumboAttribute* attribute = gumbo_get_attribute(&node->v.element.attributes, "id");
            if (attribute != nullptr && id == attribute->value) return node;
        }
        if (const GumboVector* children = childrenOf(node))
            for (unsigned i = children->length; i-- > 0;)
                pending.push_back(childAt(*children, i));
    }
    return nullptr;
}

// The table's `rows`: thead rows first, then the rows of the table itself and of its tbody sections, then
// the tfoot rows; each group in document order.
std::vector<const GumboNode*> browserRows(const GumboNode* table) {
    std::array<std::vector<const GumboNode*>, 3> groups; // head, body, foot
    const GumboVector& children = table->v.element.children;
    for (unsigned i = 0; i < children.length; ++i) {
        const GumboNode* child = childAt(children, i);
        if (isElement(child, GUMBO_TAG_TR)) {
            groups[1].push_back(child);
            continue;
        }
        std::size_t group = isElement(child, GUMBO_TAG_THEAD)   ? 0
                            : isElement(child, GUMBO_TAG_TBODY) ? 1
                            : isElement(child, GUMBO_TAG_TFOOT) ? 2
                                                                : 3;
        if (group == 3) continue;
        const GumboVector& rows = child->v.element.children;
        for (unsigned j = 0; j < rows.length; ++j)
            if (isElement(childAt(rows, j), GUMBO_TAG_TR)) groups[group].push_back(childAt(rows, j));
    }
    std::vector<const GumboNode*> result;
    for (const auto& group : groups)
        result.insert(result.end(), group.begin(), group.end());
    return result;
}

bool isHtmlSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

// Elements a browser does not render, so innerText leaves them out.
bool isUnrendered(const GumboNode* node) {
    switch (node->v.element.tag) {
    case GUMBO_TAG_SCRIPT:
    case GUMBO_TAG_STYLE:
    case GUMBO_TAG_TEMPLATE:
    case GUMBO_TAG_HEAD:
    case GUMBO_TAG_TITLE:
    case GUMBO_TAG_NOSCRIPT:
    case GUMBO_TAG_SELECT:
    case GUMBO_TAG_IFRAME: return true;
    default: return gumbo_get_attribute(&node->v.element.attributes, "hidden") != nullptr;
    }
}

// The line breaks innerText requires around an element: 2 for a paragraph, 1 for other blocks.
int requiredBreaks(const GumboNode* node) {
    switch (node->v.element.tag) {
    case GUMBO_TAG_P: return 2;
    case GUMBO_TAG_ADDRESS:
    case GUMBO_TAG_ARTICLE:
    case GUMBO_TAG_ASIDE:
    case GUMBO_TAG_BLOCKQUOTE:
    case GUMBO_TAG_CAPTION:
    case GUMBO_TAG_CENTER:
    case GUMBO_TAG_DD:
    case GUMBO_TAG_DIR:
    case GUMBO_TAG_DIV:
    case GUMBO_TAG_DL:
    case GUMBO_TAG_DT:
    case GUMBO_TAG_FIELDSET:
    case GUMBO_TAG_FIGCAPTION:
    case GUMBO_TAG_FIGURE:
    case GUMBO_TAG_FOOTER:
    case GUMBO_TAG_FORM:
    case GUMBO_TAG_H1:
    case GUMBO_TAG_H2:
    case GUMBO_TAG_H3:
    case GUMBO_TAG_H4:
    case GUMBO_TAG_H5:
    case GUMBO_TAG_H6:
    case GUMBO_TAG_HEADER:
    case GUMBO_TAG_HR:
    case GUMBO_TAG_LI:
    case GUMBO_TAG_MAIN:
    case GUMBO_TAG_MENU:
    case GUMBO_TAG_NAV:
    case GUMBO_TAG_OL:
    case GUMBO_TAG_PRE:
    case GUMBO_TAG_SECTION:
    case GUMBO_TAG_TABLE:
    case GUMBO_TAG_UL: return 1;
    default: return 0;
    }
}

bool preservesSpace(const GumboNode* node) {
    return isElement(node, GUMBO_TAG_PRE) || isElement(node, GUMBO_TAG_TEXTAREA) || isElement(node, GUMBO_TAG_LISTING);
}

// Whether another element with one of the tags follows the node among its parent's children (the next cell
// of a row, the next row of a table section).
bool isFollowedBy(const GumboNode* node, GumboTag first, GumboTag second) {
    const GumboVector* siblings = childrenOf(node->parent);
    for (unsigned i = node->index_within_parent + 1; siblings != nullptr && i < siblings->length; ++i)
        if (isElement(childAt(*siblings, i), first) || isElement(childAt(*siblings, i), second)) return true;
    return false;
}

// Builds innerText: white space collapsed to single spaces within a line and dropped at line starts and
// ends; required line breaks merged and dropped at the start and end of the text.
class InnerText {
  public:
    void text(std::string_view text, bool preserve) {
        for (char c : text) {
            if (preserve && c == '\n') {
                literal("\n");
            } else if (!preserve && isHtmlSpace(c)) {
                m_pendingSpace = m_lineHasContent;
            } else {
                flushBreaks();
                if (m_pendingSpace) m_text += ' ';
                m_text += c;
                m_pendingSpace = false;
                m_lineHasContent = true;
            }
        }
    }
    // A string innerText inserts itself (a <br>'s line feed, the tab between the cells of a nested table).
    void literal(const char* text) {
        flushBreaks();
        m_text += text;
        m_pendingSpace = false;
        m_lineHasContent = false;
    }
    void requireBreaks(int count) {
        m_breaks = std::max(m_breaks, count);
        m_pendingSpace = false;
        m_lineHasContent = false;
    }
    std::string take() { return std::move(m_text); }

  private:
    void flushBreaks() {
        if (!m_text.empty()) m_text.append(static_cast<std::size_t>(m_breaks), '\n');
        m_breaks = 0;
    }

    std::string m_text;
    int m_breaks = 0;
    bool m_pendingSpace = false;
    bool m_lineHasContent = false;
};

// A cell's innerText, walking its subtree without recursion.
std::string cellText(const GumboNode* cell) {
    InnerText text;
    struct Visit {
        const GumboNode* node;
        bool leaving;
    };
    std::vector<Visit> pending;
    int preserveDepth = 0;
    const GumboVector& top = cell->v.element.children;
    for (unsigned i = top.length; i-- > 0;)
        pending.push_back({childAt(top, i), false});
    while (!pending.empty()) {
        const Visit visit = pending.back();
        pending.pop_back();
        const GumboNode* node = visit.node;
        if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_WHITESPACE || node->type == GUMBO_NODE_CDATA) {
            text.text(node->v.text.text, preserveDepth > 0);
            continue;
        }
        if (node->type != GUMBO_NODE_ELEMENT) continue;
        if (visit.leaving) {
            if (preservesSpace(node)) --preserveDepth;
            if (int breaks = requiredBreaks(node)) text.requireBreaks(breaks);
            const GumboTag tag = node->v.element.tag;
            if ((tag == GUMBO_TAG_TD || tag == GUMBO_TAG_TH) && isFollowedBy(node, GUMBO_TAG_TD, GUMBO_TAG_TH))
                text.literal("\t");
            if (tag == GUMBO_TAG_TR && isFollowedBy(node, GUMBO_TAG_TR, GUMBO_TAG_TR)) text.literal("\n");
            continue;
        }
        if (isUnrendered(node)) continue;
        if (isElement(node, GUMBO_TAG_BR)) {
            text.literal("\n");
            continue;
        }
        if (int breaks = requiredBreaks(node)) text.requireBreaks(breaks);
        if (preservesSpace(node)) ++preserveDepth;
        pending.push_back({node, true});
        const GumboVector& children = node->v.element.children;
        for (unsigned i = children.length; i-- > 0;)
            pending.push_back({childAt(children, i), false});
    }
    return text.take();
}

} // namespace

bool exceedsResultsPageLimits(std::string_view html) {
    return html.size() > kMaxResultsPageBytes ||
           static_cast<std::size_t>(std::count(html.begin(), html.end(), '<')) > kMaxResultsPageTags;
}

std::optional<TableRows> readResultsTable(std::string_view html) {
    if (exceedsResultsPageLimits(html)) return std::nullopt;
    GumboOptions options = kGumboDefaultOptions;
    options.max_errors = 0; // parse errors are not used; recording them costs time on malformed pages
    Output output(gumbo_parse_with_options(&options, html.data(), html.size()), destroyOutput);
    if (!output) return std::nullopt;
    const GumboNode* table = elementById(output->document, "main");
    if (table == nullptr || !isElement(table, GUMBO_TAG_TABLE)) return std::nullopt;
    TableRows rows;
    for (const GumboNode* row : browserRows(table)) {
        std::vector<std::string> cells;
        const GumboVector& children = row->v.element.children;
        for (unsigned i = 0; i < children.length; ++i) {
            const GumboNode* child = childAt(children, i);
            if (isElement(child, GUMBO_TAG_TD) || isElement(child, GUMBO_TAG_TH)) cells.push_back(cellText(child));
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

} // namespace quorvel
