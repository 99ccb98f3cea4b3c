// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace quorvel {

class Dialogs;
class Workspace;

// Keeps the player aware of stored draws derived with other bases than the settings': after a base is chosen
// from the menus it asks whether to derive them again now (default yes), and it gives the warning the status
// bar shows while they differ.
class StoredBasesCheck : public QObject {
    Q_OBJECT
  public:
    StoredBasesCheck(Workspace& workspace, Dialogs& dialogs, QWidget& window);

    // A base was chosen: when the stored draws now differ from the settings, asks and, on yes, derives every
    // stored draw again (a safety copy first); the status then names the copy.
    void afterBaseChosen();
    // The status bar's warning while the stored draws' bases differ from the settings'; empty otherwise.
    QString warning() const;

  signals:
    void statusMessage(const QString& text);

  private:
    Workspace& m_workspace;
    Dialogs& m_dialogs;
    QWidget& m_window;
};

} // namespace quorvel
