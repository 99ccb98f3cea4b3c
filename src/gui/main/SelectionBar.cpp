// SPDX-License-Identifier: MIT
#include "gui/main/SelectionBar.h"

#include "app/Workspace.h"
#include "app/choices/BuiltinSelections.h"
#include "gui/main/CombinationPanel.h"
#include "gui/shell/Dialogs.h"
#include "gui/shell/QtText.h"
#include "gui/shell/Translations.h"
#include "model/NumberTables.h"
#include "platform/LanguageWordings.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

namespace quorvel {

SelectionBar::SelectionBar(Workspace& workspace, Dialogs& dialogs, CombinationPanel& boxes, QWidget* parent)
    : QWidget(parent), m_workspace(workspace), m_dialogs(dialogs), m_boxes(boxes) {
    m_list = named(new QComboBox(this), QStringLiteral("cboSelection"));
    // Long names do not widen the frame of the boxes: the list shows what fits and its popup the whole name.
    m_list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_list->setMinimumContentsLength(6);
    // The menu opens when the right button is released over the list, as the history list's does.
    m_list->installEventFilter(this);
    m_save = m_texts.with(named(new QPushButton(this), QStringLiteral("cmdSaveSelection")), QT_TR_NOOP("保存选择…"));
    m_menu = named(new QMenu(this), QStringLiteral("mnuSelection"));
    auto* remove = named(m_menu->addAction(QString()), QStringLiteral("mnuDeleteSelection"));
    m_texts.add(remove, QT_TR_NOOP("Delete this selection…"));
    m_texts.add([this](const QString& text) { m_list->setPlaceholderText(text); }, QT_TR_NOOP("Selections"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_save);

    connect(m_list, &QComboBox::activated, this, &SelectionBar::choose);
    connect(m_save, &QPushButton::clicked, this, &SelectionBar::saveTicked);
    connect(remove, &QAction::triggered, this, &SelectionBar::deleteShown);
    // The list follows the kind, the zodiac year and the language of the boxes; an entry chosen stays chosen.
    connect(&m_boxes, &CombinationPanel::laidOut, this, [this] {
        const int index = m_list->currentIndex();
        refresh(index >= 0 && m_boxes.kind() == m_listedKind ? std::optional(m_shown[static_cast<std::size_t>(index)])
                                                             : std::nullopt);
    });
}

SelectionBook SelectionBar::book() const { return SelectionBook(m_workspace.dataFolder(), languageWordings()); }

void SelectionBar::refresh(const std::optional<Selection>& kept) {
    const AttributeKind kind = m_boxes.kind();
    m_listedKind = kind;
    const int zodiacYear = zodiacYearOfIssue(m_workspace.history().nextIssue());
    const Wording wording = windowWording();
    try {
        m_shown = book().listFor(kind, m_workspace.bases(), zodiacYear, wording);
    } catch (const std::exception& error) {
        // A damaged file is said, and left as it is; the built-in sets stay offered.
        m_shown = builtinSelections(kind, m_workspace.bases(), zodiacYear, wording);
        emit statusMessage(tr("The saved selections could not be read: %1").arg(shownError(error)));
    }
    m_list->clear();
    for (const Selection& selection : m_shown)
        m_list->addItem(fromStd(selection.name));
    m_list->setCurrentIndex(-1);
    // A saved selection is found by its name, a built-in set (named in the language now in use) by its boxes.
    for (std::size_t i = 0; i < m_shown.size() && kept; ++i) {
        const Selection& entry = m_shown[i];
        if (entry.kind == kept->kind && entry.builtin == kept->builtin &&
            (entry.builtin ? entry.boxes == kept->boxes : entry.name == kept->name)) {
            m_list->setCurrentIndex(static_cast<int>(i));
            break;
        }
    }
}

void SelectionBar::choose(int index) {
    if (index < 0 || index >= static_cast<int>(m_shown.size())) return;
    BoxTicks ticks{};
    for (int box : m_shown[static_cast<std::size_t>(index)].boxes)
        ticks[static_cast<std::size_t>(box - 1)] = true;
    m_boxes.setTicks(ticks);
}

void SelectionBar::saveTicked() {
    const QString title = m_texts.text(QT_TR_NOOP("保存选择…")).remove(QChar(u'…'));
    const QString current =
        m_list->currentIndex() >= 0 && !m_shown[static_cast<std::size_t>(m_list->currentIndex())].builtin
            ? m_list->currentText()
            : QString();
    const auto name = m_dialogs.input(this, title, tr("Name of the selection of the boxes ticked now:"), current);
    if (!name || name->trimmed().isEmpty()) return;
    Selection selection{name->trimmed().toStdString(), m_boxes.kind(), {}, false};
    const BoxTicks ticks = m_boxes.ticks();
    for (int box = 1; box <= kindInfo(selection.kind).boxCount; ++box)
        if (ticks[static_cast<std::size_t>(box - 1)]) selection.boxes.push_back(box);
    try {
        SelectionBook selections = book();
        if (selections.contains(selection.name) &&
            !m_dialogs.question(this, title,
                                tr("A selection named %1 is already saved. Replace it with the boxes ticked now?")
                                    .arg(fromStd(selection.name))))
            return;
        selection = selections.save(selection);
    } catch (const std::exception& error) {
        m_dialogs.warning(this, title, tr("The selection was not saved: %1").arg(shownError(error)));
        return;
    }
    refresh(selection);
    emit statusMessage(tr("Saved the selection %1.").arg(fromStd(selection.name)));
}

bool SelectionBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            const int index = m_list->currentIndex();
            m_menu->actions().front()->setEnabled(index >= 0 && !m_shown[static_cast<std::size_t>(index)].builtin);
            m_dialogs.popup(*m_menu, mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SelectionBar::deleteShown() {
    const int index = m_list->currentIndex();
    if (index < 0 || m_shown[static_cast<std::size_t>(index)].builtin) return;
    const QString name = fromStd(m_shown[static_cast<std::size_t>(index)].name);
    const QString title = tr("Delete a selection");
    if (!m_dialogs.question(this, title, tr("Delete the saved selection %1? The boxes stay ticked.").arg(name))) return;
    try {
        book().remove(name.toStdString());
    } catch (const std::exception& error) {
        m_dialogs.warning(this, title, tr("The selection was not deleted: %1").arg(shownError(error)));
        return;
    }
    refresh(std::nullopt);
    emit statusMessage(tr("Deleted the selection %1.").arg(name));
}

void SelectionBar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) m_texts.apply();
    QWidget::changeEvent(event);
}

} // namespace quorvel
