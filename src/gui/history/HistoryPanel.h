// SPDX-License-Identifier: MIT
#pragma once

#include "app/history/HistoryListing.h"
#include "gui/shell/TranslatedTexts.h"

#include <QWidget>

class QLineEdit;
class QPushButton;
class QTableView;

namespace quorvel {

class HistoryTableModel;
class IssuePrompt;
class ManualEntryRow;
class WelcomeHint;

// The history side of the window: the history list MSFlexGrid1, the next-issue prompt with the manual
// entry boxes, the history buttons and, while the history is empty, the welcome hint.
class HistoryPanel : public QWidget {
    Q_OBJECT
  public:
    HistoryPanel(const QString& shippedHistory, QWidget* parent = nullptr);

    // AddHaoma: shows the listing; from 40 grid rows on the latest draw is scrolled into view.
    void showHistory(HistoryListing listing);
    void setNextIssueText(const QString& text);

    QTableView* grid() const { return m_grid; }
    ManualEntryRow* entry() const { return m_entry; }
    WelcomeHint* welcome() const { return m_welcome; }
    QPushButton* importButton() const { return m_import; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // The texts of the controls in the language now in use.
    void retranslate();

    HistoryTableModel* m_model;
    QTableView* m_grid;
    IssuePrompt* m_prompt;
    ManualEntryRow* m_entry;
    WelcomeHint* m_welcome;
    QPushButton* m_import;
    TranslatedTexts m_texts{"quorvel::HistoryPanel"};
};

} // namespace quorvel
