// SPDX-License-Identifier: MIT
#include "gui/history/IssuePrompt.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace quorvel {

namespace {

// The prompt's text before and after the next-issue box.
const char* const kBefore = QT_TRANSLATE_NOOP("quorvel::IssuePrompt", "在下面输入");
const char* const kAfter = QT_TRANSLATE_NOOP("quorvel::IssuePrompt", "期历史号码:");
const QString kNumber = QStringLiteral("2007001");

} // namespace

IssuePrompt::IssuePrompt(QWidget* parent) : QWidget(parent) {
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("Label12"));
    m_issue = new QLineEdit(this);
    m_issue->setObjectName(QStringLiteral("Text1"));
    m_issue->setAlignment(Qt::AlignCenter);
    // Wide enough for an issue with room to spare, so that no digit is scrolled out of sight.
    m_issue->setFixedWidth(m_issue->fontMetrics().horizontalAdvance(kNumber + QStringLiteral("00")) + 12);
    m_after = new QLabel(this);
    m_after->setObjectName(QStringLiteral("Label12_1"));
    // The box stands between the two parts of the prompt, never over either: the prompt reads whole.
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label);
    layout->addWidget(m_issue);
    layout->addWidget(m_after);
    layout->addStretch();
    retranslate();
}

void IssuePrompt::retranslate() {
    m_label->setText(tr(kBefore));
    m_after->setText(tr(kAfter));
}

void IssuePrompt::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

} // namespace quorvel
