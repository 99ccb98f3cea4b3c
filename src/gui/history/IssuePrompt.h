// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace quorvel {

// The prompt "在下面输入 [2007001] 期历史号码:": Label12, the next-issue box Text1 and Label12_1 side by side, so
// that the prompt names the issue the box shows and no part of it lies under the box.
class IssuePrompt : public QWidget {
    Q_OBJECT
  public:
    explicit IssuePrompt(QWidget* parent = nullptr);

    QLineEdit* issueBox() const { return m_issue; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void retranslate();

    QLabel* m_label;
    QLineEdit* m_issue;
    QLabel* m_after;
};

} // namespace quorvel
