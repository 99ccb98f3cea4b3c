// SPDX-License-Identifier: MIT
#pragma once

#include "gui/shell/TranslatedTexts.h"

#include <QFrame>

class QPushButton;

namespace quorvel {

// fraWelcome: shown in the window while the history is empty, it offers to import the history shipped
// with the program. Nothing is imported until the user clicks.
class WelcomeHint : public QFrame {
    Q_OBJECT
  public:
    // file: the shipped history, or empty when there is none to offer.
    WelcomeHint(const QString& file, QWidget* parent = nullptr);

    const QString& file() const { return m_file; }

  signals:
    void importRequested(const QString& file);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // The texts of the controls in the language now in use.
    void retranslate();

    QString m_file;
    TranslatedTexts m_texts{"quorvel::WelcomeHint"};
};

} // namespace quorvel
