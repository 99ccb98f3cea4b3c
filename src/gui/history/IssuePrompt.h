// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace quorvel {

// Label12 "在下面输入 2007001 期历史号码:" with the next-issue box Text1 laid over the label's number (a
// child of the label), so that the label prompts for the issue the box shows.
class IssuePrompt : public QWidget {
    Q_OBJECT
  public:
    explicit IssuePrompt(QWidget* parent = nullptr);

    QLineEdit* issueBox() const { return m_issue; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void retranslate();
    void placeIssueBox();

    QLabel* m_label;
    QLineEdit* m_issue;
};

} // namespace quorvel
