// SPDX-License-Identifier: MIT
#pragma once

#include "FakeDialogs.h"
#include "TempFolder.h"
#include "app/Workspace.h"
#include "gui/main/MainWindow.h"
#include "model/DrawRecord.h"
#include "platform/QtSettingsStore.h"
#include "store/HistoryStore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyleOptionButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace quorvel::test {

// A real main window on a temporary data folder (settings in its VOLMIRAD.ini, calendar year 2014),
// driven by input events at the controls' positions and answered by FakeDialogs.
class WindowFixture : public ::testing::Test {
  protected:
    TempFolder folder;
    FixedClock clock{2014};
    FakeDialogs dialogs;
    std::unique_ptr<QtSettingsStore> settingsStore;
    std::unique_ptr<Workspace> workspace;
    std::unique_ptr<MainWindow> window;

    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "gui_tests";
        static char* argv[] = {name, nullptr};
        if (QApplication::instance() == nullptr) new QApplication(argc, argv);
    }

    void TearDown() override { close(); }

    // Stores settings before the window starts.
    void setting(const char* key, const std::string& text) { QtSettingsStore(folder.path()).write(key, text); }
    // Stores draws (issue and seven numbers) before or while the window runs.
    void addDraws(std::initializer_list<Draw> draws) {
        HistoryStore store(folder / Workspace::kStoreFileName);
        for (const Draw& draw : draws)
            store.append({deriveRecord(draw, ParameterBases{})});
    }

    void open() {
        settingsStore = std::make_unique<QtSettingsStore>(folder.path());
        workspace = std::make_unique<Workspace>(folder.path(), *settingsStore, clock);
        window = std::make_unique<MainWindow>(*workspace, dialogs);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QApplication::processEvents();
    }
    void close() {
        window.reset();
        workspace.reset();
        settingsStore.reset();
    }
    void restart() {
        close();
        open();
    }

    template <typename T = QWidget> T* control(const QString& name) {
        T* found = window->findChild<T*>(name);
        if (found == nullptr) ADD_FAILURE() << "no control " << name.toStdString();
        return found;
    }
    QString text(const QString& name) { return control<QLineEdit>(name)->text(); }
    bool checked(const QString& name) { return control<QAbstractButton>(name)->isChecked(); }
    bool shown(const QString& name) { return control(name)->isVisibleTo(window.get()); }
    QString status() { return window->statusBar()->currentMessage(); }

    // A left click where the control is in the window (on the indicator of a check box or option button):
    // whatever the window shows there receives it.
    void click(const QString& name) {
        QWidget* widget = control(name);
        QPoint position = widget->rect().center();
        if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)) position = QPoint(8, position.y());
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, widget->mapTo(window.get(), position));
        QApplication::processEvents();
    }
    // Gives the control (a text box or an editable combo box) the focus, clears it and types the text key by
    // key into whatever has the focus.
    void type(const QString& name, const QString& typed) {
        QWidget* widget = control(name);
        auto* box = qobject_cast<QLineEdit*>(widget);
        if (auto* combo = qobject_cast<QComboBox*>(widget)) box = combo->lineEdit();
        ASSERT_NE(box, nullptr) << name.toStdString() << " takes no text";
        widget->setFocus();
        box->clear();
        keys(typed);
    }
    void keys(const QString& typed) {
        for (QChar c : typed)
            QTest::keyClick(window->windowHandle(), c.toLatin1());
        QApplication::processEvents();
    }
    // Moves the focus to another control, so that the one that had it runs its focus-loss handler.
    void focus(const QString& name) {
        control(name)->setFocus();
        QApplication::processEvents();
    }
};

} // namespace quorvel::test
