// SPDX-License-Identifier: MIT
#include "gui/ManualEntryRow.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>

namespace quorvel {

namespace {

const QChar kBlank = QLatin1Char('_');

bool complete(const QLineEdit* box) { return !box->displayText().contains(kBlank); }

} // namespace

ManualEntryRow::ManualEntryRow(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int index = 1; index <= 7; ++index) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("MaskEdBox1_%1").arg(index));
        box->setInputMask(QStringLiteral("##;_"));
        box->setToolTip(QStringLiteral("在此补充输入最新历史号码"));
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
        texts[i] = m_boxes[i]->displayText().remove(kBlank).trimmed().toStdString();
    return texts;
}

void ManualEntryRow::clearAndRestart() {
    m_suppress = true;
    for (QLineEdit* box : m_boxes)
        box->clear();
    m_boxes[0]->setFocus(Qt::OtherFocusReason);
    m_boxes[0]->setCursorPosition(0);
}

bool ManualEntryRow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) m_suppress = false;
    return QWidget::eventFilter(watched, event);
}

void ManualEntryRow::boxChanged(int index) {
    if (m_suppress) return;
    QLineEdit* box = m_boxes[static_cast<std::size_t>(index - 1)];
    if (index == 7) {
        if (complete(box)) emit drawTyped();
        return;
    }
    if (box->displayText().at(1) != kBlank) {
        QLineEdit* next = m_boxes[static_cast<std::size_t>(index)];
        next->setFocus(Qt::TabFocusReason);
        next->setCursorPosition(0);
    }
}

} // namespace quorvel
