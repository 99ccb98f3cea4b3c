// SPDX-License-Identifier: MIT
#include "gui/history/ManualEntryRow.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMouseEvent>

namespace quorvel {

namespace {

const QChar kBlank = QLatin1Char('_');

} // namespace

EntryBox::EntryBox(QWidget* parent, int digits) : QLineEdit(parent) {
    setInputMask(QString(digits, QLatin1Char('#')) + QStringLiteral(";_"));
    connect(this, &QLineEdit::cursorPositionChanged, this, &EntryBox::keepCursorBeforeBlank);
}

bool EntryBox::complete() const { return !displayText().contains(kBlank); }

void EntryBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    selectAll();
}

void EntryBox::mousePressEvent(QMouseEvent* event) {
    // A click anywhere in the box selects it whole instead of placing the cursor between the slots.
    if (event->button() != Qt::LeftButton) return QLineEdit::mousePressEvent(event);
    if (!hasFocus()) setFocus(Qt::MouseFocusReason);
    selectAll();
    event->accept();
}

void EntryBox::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void EntryBox::mouseMoveEvent(QMouseEvent* event) {
    // No drag selection: the box is always taken whole.
    event->accept();
}

void EntryBox::keepCursorBeforeBlank() {
    if (hasSelectedText()) return;
    const qsizetype blank = displayText().indexOf(kBlank);
    if (blank >= 0 && cursorPosition() > blank) setCursorPosition(static_cast<int>(blank));
}

ManualEntryRow::ManualEntryRow(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int index = 1; index <= 7; ++index) {
        auto* box = new EntryBox(this);
        box->setObjectName(QStringLiteral("MaskEdBox1_%1").arg(index));
        m_texts.addToolTip(box, QT_TR_NOOP("在此补充输入最新历史号码"));
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 22);
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, this, [this, index] { boxChanged(index); });
        m_boxes[static_cast<std::size_t>(index - 1)] = box;
        layout->addWidget(box);
    }
    layout->addStretch();
}

std::array<std::string, 7> ManualEntryRow::typedTexts() const {
    std::array<std::string, 7> texts;
    for (std::size_t i = 0; i < 7; ++i)
        if (m_boxes[i]->complete()) texts[i] = m_boxes[i]->displayText().toStdString();
    return texts;
}

void ManualEntryRow::clearAndRestart() {
    m_suppress = true;
    m_refused = 0;
    for (QLineEdit* box : m_boxes)
        box->clear();
    focusBox(1);
}

void ManualEntryRow::focusBox(int index) {
    EntryBox* target = box(index);
    target->setFocus(Qt::OtherFocusReason);
    target->selectAll();
}

bool ManualEntryRow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) m_suppress = false;
    return QWidget::eventFilter(watched, event);
}

void ManualEntryRow::refuse(int index) {
    focusBox(index);
    m_refused = index;
}

void ManualEntryRow::boxChanged(int index) {
    if (m_suppress) return;
    // Typing elsewhere than in the refused box means the draw is being typed again: box 7 hands it over.
    if (index != m_refused) m_refused = 0;
    if (!box(index)->complete()) return;
    if (index == 7 || index == m_refused) {
        m_refused = 0;
        emit drawTyped();
        return;
    }
    focusBox(index + 1);
}

void ManualEntryRow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void ManualEntryRow::retranslate() { m_texts.apply(); }

} // namespace quorvel
