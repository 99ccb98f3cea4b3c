// SPDX-License-Identifier: MIT
#pragma once

#include "gui/shell/BusyScope.h"
#include "ingest/UpdatePlan.h"
#include "platform/PageFetcher.h"

#include <QObject>

class QAction;
class QMenu;
class QProgressDialog;
class QPushButton;
class QWidget;

namespace quorvel {

class Dialogs;
class Workspace;

// The online update in the window: Command21 asks for confirmation, loads the yearly pages one after another
// with progress ("year i of n") and cancel while the window stays responsive, stores the new draws and
// reports them per year with the years that failed. mnuSite, added to the 设置 menu, sets the site prefix.
// While the pages load the window's "busy" property is true.
class OnlineUpdate : public QObject {
    Q_OBJECT
  public:
    OnlineUpdate(Workspace& workspace, Dialogs& dialogs, QWidget& window, QWidget& historyPanel, QMenu& setupMenu);

    // Command21: the site check, the confirmation, then the pages.
    void start();
    // mnuSite: an input box for the site prefix, saved when accepted and valid.
    void chooseSite();
    // The menu entry's caption in the language now in use.
    void retranslate();

  signals:
    void statusMessage(const QString& text);

  private:
    void showProgress(int index, int count, int year);
    void finish();
    void setRunning(bool running);

    Workspace& m_workspace;
    Dialogs& m_dialogs;
    QWidget& m_window;
    QPushButton* m_button;
    QAction* m_siteEntry;
    PageFetcher m_fetcher;
    QProgressDialog* m_progress = nullptr;
    UpdatePlan m_plan;
    std::optional<BusyScope> m_busy; // while the pages load
};

} // namespace quorvel
