// SPDX-License-Identifier: MIT
#include "gui/history/IssuePrompt.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace quorvel {

namespace {

// The label's text before and after the number the box covers.
const char* const kBefore = QT_TRANSLATE_NOOP("quorvel::IssuePrompt", "在下面输入 ");
const char* const kAfter = QT_TRANSLATE_NOOP("quorvel::IssuePrompt", " 期历史号码:");
const QString kNumber = QStringLiteral("2007001");

} // namespace

IssuePrompt::IssuePrompt(QWidget* parent) : QWidget(parent) {
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("Label12"));
    // The box lies on the label's number: as the label's child, it is held by the label rather than laid over
    // a neighbour.
    m_issue = new QLineEdit(m_label);
    m_issue->setObjectName(QStringLiteral("Text1"));
    m_issue->setAlignment(Qt::AlignCenter);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label);
    layout->addStretch();
    m_label->setMinimumHeight(m_issue->sizeHint().height());
    retranslate();
}

void IssuePrompt::retranslate() {
    m_label->setText(tr(kBefore) + kNumber + tr(kAfter));
    placeIssueBox();
}

void IssuePrompt::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void IssuePrompt::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeIssueBox();
}

void IssuePrompt::placeIssueBox() {
    const QFontMetrics metrics = m_label->fontMetrics();
    const int start = m_label->contentsRect().x() + metrics.horizontalAdvance(tr(kBefore)) - 4;
    const int width = metrics.horizontalAdvance(kNumber) + 12;
    const int height = m_issue->sizeHint().height();
    m_issue->setGeometry(start, (m_label->height() - height) / 2, width, height);
}

} // namespace quorvel
