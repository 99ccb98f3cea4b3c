// SPDX-License-Identifier: MIT
#pragma once

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

  private:
    QString m_file;
};

} // namespace quorvel
