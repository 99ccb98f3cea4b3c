// SPDX-License-Identifier: MIT
#include "ControlState.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTableView>
#include <QTextEdit>

#include <algorithm>

namespace quorvel::script {

using Json = ScriptOutput::Json;

namespace {

Json rectJson(const QRect& r) { return Json::array({r.x(), r.y(), r.width(), r.height()}); }

// Where a label draws its plain text, as the style places it in the label's contents: wider than the label
// when the text does not fit.
QRect labelTextRect(const QLabel& label) {
    const int margin = label.margin();
    const QRect contents = label.contentsRect().adjusted(margin, margin, -margin, -margin);
    return label.style()->itemTextRect(label.fontMetrics(), contents, static_cast<int>(label.alignment()),
                                       label.isEnabled(), label.text());
}

// The texts a chart draws (axis labels, title, legend) that are shown, with their rectangles in the view.
Json sceneTexts(const QGraphicsView& view) {
    Json texts = Json::array();
    if (view.scene() == nullptr) return texts;
    for (const QGraphicsItem* item : view.scene()->items()) {
        const auto* text = dynamic_cast<const QGraphicsTextItem*>(item);
        if (text == nullptr || !text->isVisible() || text->toPlainText().isEmpty()) continue;
        const QRect shown = view.mapFromScene(text->sceneBoundingRect()).boundingRect();
        texts.push_back({{"text", ScriptOutput::utf8(text->toPlainText())}, {"rect", rectJson(shown)}});
    }
    return texts;
}

} // namespace

std::optional<QString> ControlState::text(const QWidget& control) {
    if (auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(&control)) return edit->text();
    if (auto* combo = qobject_cast<const QComboBox*>(&control)) return combo->currentText();
    if (auto* label = qobject_cast<const QLabel*>(&control)) return label->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(&control)) return frame->title();
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(&control)) return plain->toPlainText();
    if (auto* rich = qobject_cast<const QTextEdit*>(&control)) return rich->toPlainText();
    if (auto* spin = qobject_cast<const QAbstractSpinBox*>(&control)) return spin->text();
    if (auto* tabs = qobject_cast<const QTabBar*>(&control)) return tabs->tabText(tabs->currentIndex());
    if (auto* window = qobject_cast<const QMainWindow*>(&control)) return window->windowTitle();
    return std::nullopt;
}

QRect ControlState::geometryInContent(const QWidget& control) const {
    // The content is the main window's central widget, or the widget a scroll area there scrolls: mapping
    // to it leaves out the scrolling, so a control scrolled out of view keeps its place.
    const QWidget* content = nullptr;
    if (auto* window = qobject_cast<const QMainWindow*>(&m_window)) {
        content = window->centralWidget();
        if (auto* area = qobject_cast<const QScrollArea*>(content); area != nullptr && area->widget() != nullptr)
            content = area->widget();
    }
    if (&control == &m_window || content == nullptr || !content->isAncestorOf(&control))
        return QRect(control.mapTo(control.window(), QPoint(0, 0)), control.size());
    return QRect(control.mapTo(content, QPoint(0, 0)), control.size());
}

Json ControlState::of(const QWidget& control) const {
    Json state;
    if (auto shown = text(control)) state["text"] = ScriptOutput::utf8(*shown);
    if (auto* button = qobject_cast<const QAbstractButton*>(&control)) state["checked"] = button->isChecked();
    if (auto* frame = qobject_cast<const QGroupBox*>(&control); frame != nullptr && frame->isCheckable())
        state["checked"] = frame->isChecked();
    state["visible"] = &control == &m_window ? control.isVisible() : control.isVisibleTo(&m_window);
    state["enabled"] = control.isEnabled();
    state["focused"] = control.hasFocus();
    state["tooltip"] = ScriptOutput::utf8(control.toolTip());
    const QRect place = geometryInContent(control);
    state["geometry"] = Json::array({place.x(), place.y(), place.width(), place.height()});
    const QSize hint = control.minimumSizeHint();
    state["hint"] = Json::array({hint.width(), hint.height()});
    if (auto* tabs = qobject_cast<const QTabBar*>(&control)) {
        state["current"] = tabs->currentIndex();
        Json captions = Json::array();
        for (int index = 0; index < tabs->count(); ++index)
            captions.push_back(ScriptOutput::utf8(tabs->tabText(index)));
        state["tabs"] = captions;
    }
    if (auto* combo = qobject_cast<const QComboBox*>(&control)) {
        Json items = Json::array();
        for (int index = 0; index < combo->count(); ++index)
            items.push_back(ScriptOutput::utf8(combo->itemText(index)));
        state["items"] = items;
    }
    if (auto* grid = qobject_cast<const QTableView*>(&control)) addGrid(*grid, state);
    // A label's drawn text in the same coordinates as its geometry, so that a check can find it cut or covered.
    if (auto* label = qobject_cast<const QLabel*>(&control); label != nullptr && !label->text().isEmpty())
        state["textRect"] = rectJson(labelTextRect(*label).translated(place.topLeft()));
    if (auto* view = qobject_cast<const QGraphicsView*>(&control)) state["sceneTexts"] = sceneTexts(*view);
    if (auto* window = qobject_cast<const QMainWindow*>(&control))
        state["status"] = ScriptOutput::utf8(window->statusBar()->currentMessage());
    return state;
}

Json ControlState::of(const QAction& action) {
    Json state;
    state["text"] = ScriptOutput::utf8(action.text());
    state["checked"] = action.isChecked();
    state["enabled"] = action.isEnabled();
    return state;
}

void ControlState::addGrid(const QTableView& grid, Json& state) {
    const QAbstractItemModel* model = grid.model();
    Json rows = Json::array();
    int rowCount = model != nullptr ? model->rowCount() : 0;
    if (model != nullptr) {
        // Grid row 0 is the fixed header row; grid row R shows model row R - 1.
        Json header = Json::array();
        for (int column = 0; column < model->columnCount(); ++column)
            header.push_back(ScriptOutput::utf8(model->headerData(column, Qt::Horizontal).toString()));
        rows.push_back(header);
        for (int row = 0; row < rowCount; ++row) {
            Json cells = Json::array();
            for (int column = 0; column < model->columnCount(); ++column)
                cells.push_back(ScriptOutput::utf8(model->index(row, column).data().toString()));
            rows.push_back(cells);
        }
    }
    state["rows"] = rows;

    const int height = grid.viewport()->height();
    const int first = grid.rowAt(0);
    int last = grid.rowAt(height - 1);
    if (last < 0) {
        last = rowCount - 1;
    } else if (grid.rowViewportPosition(last) + grid.rowHeight(last) > height) {
        last -= 1;
    }
    state["top_row"] = first + 1;
    state["bottom_row"] = first < 0 ? 0 : last + 1;
    // Without a current cell this gives [0, -1].
    QModelIndex current = grid.currentIndex();
    state["current"] = Json::array({current.row() + 1, current.column()});
    // The column the rows are ordered by and which way (-1: none), and the selected cells in grid rows.
    const QHeaderView& header = *grid.horizontalHeader();
    state["sort"] = Json::array({header.sortIndicatorSection(),
                                 header.sortIndicatorOrder() == Qt::AscendingOrder ? "ascending" : "descending"});
    QModelIndexList chosen =
        grid.selectionModel() != nullptr ? grid.selectionModel()->selectedIndexes() : QModelIndexList();
    std::sort(chosen.begin(), chosen.end());
    Json selected = Json::array();
    for (const QModelIndex& index : chosen)
        selected.push_back(Json::array({index.row() + 1, index.column()}));
    state["selected"] = selected;
}

} // namespace quorvel::script
