// SPDX-License-Identifier: MIT
#include "gui/history/HistoryPanel.h"

#include "gui/grids/GridSetup.h"
#include "gui/history/HistoryTableModel.h"
#include "gui/history/IssuePrompt.h"
#include "gui/history/ManualEntryRow.h"
#include "gui/history/WelcomeHint.h"

#include <QEvent>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace quorvel {

namespace {

QPushButton* button(const QString& name, bool enabled, QWidget* parent) {
    auto* result = new QPushButton(parent);
    result->setObjectName(name);
    result->setEnabled(enabled);
    return result;
}

} // namespace

HistoryPanel::HistoryPanel(const QString& shippedHistory, QWidget* parent) : QWidget(parent) {
    m_model = new HistoryTableModel(this);
    m_grid = makeGrid(QStringLiteral("MSFlexGrid1"), m_model, this);
    m_texts.addToolTip(m_grid, QT_TR_NOOP("鼠标双击列表可以将列表导出到EXCEL"));
    m_welcome = new WelcomeHint(shippedHistory, this);
    m_welcome->hide();
    m_prompt = new IssuePrompt(this);
    m_entry = new ManualEntryRow(this);
    m_import = button(QStringLiteral("cmdRdLst"), true, this);
    m_texts.add(m_import, QT_TR_NOOP("读取历史号文本(&W)"));
    m_texts.addToolTip(m_import, QT_TR_NOOP("从历史号码文本文件中读取历史号中最后一期之后的新的历史号码"));
    QPushButton* update = button(QStringLiteral("Command21"), false, this);
    m_texts.add(update, QT_TR_NOOP("历史号在线更新(&O)"));
    m_texts.addToolTip(update, QT_TR_NOOP("从官方服务器更新历史号码"));
    QPushButton* deleteLatest = button(QStringLiteral("Command3"), true, this);
    m_texts.add(deleteLatest, QT_TR_NOOP("删除最后历史(&D)"));
    QPushButton* exportText = button(QStringLiteral("Command4"), true, this);
    m_texts.add(exportText, QT_TR_NOOP("历史号码导出文本文件(&O)"));

    auto* buttons = new QGridLayout;
    buttons->addWidget(m_import, 0, 0);
    buttons->addWidget(update, 0, 1);
    buttons->addWidget(deleteLatest, 1, 0);
    buttons->addWidget(exportText, 1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_welcome);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_prompt);
    layout->addWidget(m_entry);
    layout->addLayout(buttons);
    showHistory(HistoryListing());
    m_grid->setMinimumWidth(gridWidth(m_grid));
}

void HistoryPanel::showHistory(HistoryListing listing) {
    const bool scroll = listing.scrollsToLatest();
    m_model->setListing(std::move(listing));
    std::vector<int> widths;
    for (int column = 0; column < HistoryListing::kColumnCount; ++column)
        widths.push_back(HistoryListing::columnWidthTwips(column));
    setColumnWidthsTwips(m_grid, widths);
    m_grid->setMinimumWidth(std::max(m_grid->minimumWidth(), gridWidth(m_grid)));
    if (!scroll) return;
    m_grid->scrollToBottom();
    // A grid not laid out yet knows no scroll range: scroll again once pending layouts are done.
    QTimer::singleShot(0, m_grid, &QTableView::scrollToBottom);
}

void HistoryPanel::setNextIssueText(const QString& text) { m_prompt->issueBox()->setText(text); }

void HistoryPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void HistoryPanel::retranslate() {
    m_texts.apply();
    // The list's header is asked for again, in the new language.
    if (m_model->columnCount() > 0) emit m_model->headerDataChanged(Qt::Horizontal, 0, m_model->columnCount() - 1);
}

} // namespace quorvel
