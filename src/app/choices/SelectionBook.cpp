// SPDX-License-Identifier: MIT
#include "app/choices/SelectionBook.h"

#include "app/choices/BuiltinSelections.h"
#include "app/choices/PositionSearchState.h"
#include "model/Error.h"
#include "model/PathText.h"
#include "model/SystemError.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>

namespace quorvel {

namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Names compare as typed, English ones in any case.
bool sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

Message kindName(AttributeKind kind) { return Message::core(kindInfo(kind).chineseName.data()); }

std::string boxesText(const std::vector<int>& boxes) {
    std::string text;
    for (int box : boxes)
        text += (text.empty() ? "" : ",") + std::to_string(box);
    return text;
}

// A line of the file as a selection, or nothing when it is not one.
std::optional<Selection> readLine(const std::string& line) {
    const auto firstTab = line.find('\t');
    const auto secondTab = firstTab == std::string::npos ? firstTab : line.find('\t', firstTab + 1);
    if (secondTab == std::string::npos) return std::nullopt;
    const auto kind = parseKind(line.substr(0, firstTab));
    Selection selection{line.substr(secondTab + 1), kind.value_or(AttributeKind::Number), {}, false};
    if (!kind || selection.name.empty()) return std::nullopt;
    std::istringstream boxes(line.substr(firstTab + 1, secondTab - firstTab - 1));
    for (std::string box; std::getline(boxes, box, ',');) {
        const auto value = typedNumber(box);
        if (!value || *value < 1 || *value > kindInfo(*kind).boxCount) return std::nullopt;
        selection.boxes.push_back(*value);
    }
    return selection;
}

} // namespace

SelectionBook::SelectionBook(const std::filesystem::path& dataFolder, std::vector<Wording> wordings)
    : m_file(dataFolder / kSelectionsFileName), m_wordings(std::move(wordings)) {}

std::vector<Selection> SelectionBook::saved() const {
    std::vector<Selection> selections;
    std::error_code ec;
    if (!std::filesystem::exists(m_file, ec) && !ec) return selections;
    std::ifstream in(m_file, std::ios::binary);
    if (!in)
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "the saved selections in %1 cannot be read: %2"),
                                  pathText(m_file), systemError(ec ? ec : std::make_error_code(std::errc::io_error))));
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        auto selection = readLine(line);
        if (!selection)
            throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "the saved selections in %1 are damaged at line %2 "
                                                                "(%3): nothing was changed; mend the line or move the "
                                                                "file away, then try again"),
                                      pathText(m_file), number, line));
        selections.push_back(std::move(*selection));
    }
    return selections;
}

std::vector<Selection> SelectionBook::listFor(AttributeKind kind, const ParameterBases& bases, int zodiacYear,
                                              const Wording& wording) const {
    std::vector<Selection> list = builtinSelections(kind, bases, zodiacYear, wording);
    for (Selection& selection : saved())
        if (selection.kind == kind) list.push_back(std::move(selection));
    return list;
}

bool SelectionBook::contains(const std::string& name) const {
    const std::vector<Selection> selections = saved();
    const std::string wanted = trimmed(name);
    return std::any_of(selections.begin(), selections.end(), [&](const Selection& s) { return s.name == wanted; });
}

Selection SelectionBook::save(Selection selection) {
    selection.name = trimmed(selection.name);
    if (selection.name.empty())
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "a selection needs a name: type one and save again")));
    if (selection.name.front() == '@' || selection.name.find_first_of(",\t\r\n") != std::string::npos)
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "the name %1 cannot be used: a selection's name does not "
                                                            "start with @ and holds no comma, tab or line break"),
                                  selection.name));
    if (builtinNamed(selection.name, selection.kind, {}, 2000))
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "%1 is the name of a built-in set: choose another name"),
                                  selection.name));
    std::sort(selection.boxes.begin(), selection.boxes.end());
    selection.boxes.erase(std::unique(selection.boxes.begin(), selection.boxes.end()), selection.boxes.end());
    selection.builtin = false;
    std::vector<Selection> selections = saved();
    auto same = std::find_if(selections.begin(), selections.end(),
                             [&](const Selection& s) { return s.name == selection.name; });
    if (same != selections.end())
        *same = selection;
    else
        selections.push_back(selection);
    write(selections);
    return selection;
}

void SelectionBook::remove(const std::string& name) {
    const std::string wanted = trimmed(name);
    std::vector<Selection> selections = saved();
    auto same =
        std::find_if(selections.begin(), selections.end(), [&](const Selection& s) { return s.name == wanted; });
    if (same == selections.end()) {
        if (builtinNamed(wanted, AttributeKind::Number, {}, 2000))
            throw Error(Message::core(
                QT_TRANSLATE_NOOP("Core", "%1 is a built-in set: it cannot be deleted, and it is never saved"),
                wanted));
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "no selection is saved under the name %1"), wanted));
    }
    selections.erase(same);
    write(selections);
}

Selection SelectionBook::find(const std::string& name, AttributeKind kind, const ParameterBases& bases,
                              int zodiacYear) const {
    const std::string wanted = trimmed(name);
    std::optional<Selection> found;
    for (Selection& selection : saved())
        if (selection.name == wanted) found = std::move(selection);
    if (!found) found = builtinNamed(wanted, kind, bases, zodiacYear);
    if (!found)
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "there is no saved selection and no built-in set named %1"),
                                  wanted));
    if (found->kind != kind)
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "the selection %1 holds values of %2, not of %3: choose "
                                                            "the kind %2, or a selection of %3"),
                                  wanted, kindName(found->kind), kindName(kind)));
    return *found;
}

std::optional<Selection> SelectionBook::builtinNamed(const std::string& name, AttributeKind preferred,
                                                     const ParameterBases& bases, int zodiacYear) const {
    // The preferred kind first: "all" and "none" name a set of every kind.
    std::vector<AttributeKind> kinds{preferred};
    for (const KindInfo& info : allKinds())
        if (info.kind != preferred) kinds.push_back(info.kind);
    for (AttributeKind kind : kinds)
        for (const Wording& wording : m_wordings)
            for (Selection& set : builtinSelections(kind, bases, zodiacYear, wording))
                if (sameName(set.name, name)) return std::move(set);
    return std::nullopt;
}

void SelectionBook::write(const std::vector<Selection>& selections) const {
    // Written beside the file under a name of its own (two programs may save at once) and renamed over it once
    // complete: a failed write leaves the old file whole.
    std::random_device random;
    const std::filesystem::path partial = m_file.parent_path() / textPath("." + pathText(m_file.filename()) + "." +
                                                                          std::to_string(random()) + ".partial");
    auto failed = [&](const std::error_code& ec) {
        std::error_code ignored;
        std::filesystem::remove(partial, ignored);
        return Error(Message::core(QT_TRANSLATE_NOOP("Core", "cannot save the selections in %1: %2; the saved "
                                                             "selections stay as they were"),
                                   pathText(m_file), systemError(ec)));
    };
    bool written = false;
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        for (const Selection& selection : selections)
            out << kindInfo(selection.kind).englishName << '\t' << boxesText(selection.boxes) << '\t' << selection.name
                << '\n';
        out.close();
        written = !out.fail();
    }
    if (!written) throw failed(std::make_error_code(std::errc::io_error));
    std::error_code ec;
    std::filesystem::rename(partial, m_file, ec);
    if (ec) throw failed(ec);
}

} // namespace quorvel
