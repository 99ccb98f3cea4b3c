// SPDX-License-Identifier: MIT
// The window opens where it was closed, fitted to the screen's available area (the offscreen screen here).
#include "gui/shell/WindowPlacementKeeper.h"
#include "WindowFixture.h"

#include <QScreen>

namespace quorvel::test {

namespace {

class WindowPlacementKeeperTest : public WindowFixture {
  protected:
    // Opens the window as the program does: at its remembered placement.
    void openPlaced() {
        settingsStore = std::make_unique<QtSettingsStore>(folder.path());
        workspace = std::make_unique<Workspace>(folder.path(), *settingsStore, clock);
        window = std::make_unique<MainWindow>(*workspace, dialogs);
        (new WindowPlacementKeeper(*window, workspace->settings()))->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QApplication::processEvents();
    }
    // Closes the window as a user does, which saves its placement.
    void closeByUser() {
        window->close();
        QApplication::processEvents();
        close();
    }
    QString stored(const char* key) {
        return QString::fromStdString(QtSettingsStore(folder.path()).read(key).value_or("(none)"));
    }
    QRect available() const { return QApplication::primaryScreen()->availableGeometry(); }
};

} // namespace

TEST_F(WindowPlacementKeeperTest, APlaceAndSizeAreRememberedPerDataFolder) {
    setting("intWinLeft", "30");
    setting("intWinTop", "20");
    setting("intWinWidth", "700");
    setting("intWinHeight", "500");
    openPlaced();
    EXPECT_FALSE(window->isMaximized());
    EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(30, 20));
    EXPECT_EQ(window->size(), QSize(700, 500));

    window->move(40, 25);
    window->resize(720, 510);
    QApplication::processEvents();
    closeByUser();
    EXPECT_EQ(stored("intWinLeft"), "40");
    EXPECT_EQ(stored("intWinTop"), "25");
    EXPECT_EQ(stored("intWinWidth"), "720");
    EXPECT_EQ(stored("intWinHeight"), "510");
    EXPECT_EQ(stored("bolWinMax"), "False");

    openPlaced();
    EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(40, 25));
    EXPECT_EQ(window->size(), QSize(720, 510));
}

TEST_F(WindowPlacementKeeperTest, AMaximisedWindowOpensMaximisedAndKeepsItsNormalSize) {
    setting("intWinLeft", "10");
    setting("intWinTop", "10");
    setting("intWinWidth", "660");
    setting("intWinHeight", "420");
    setting("bolWinMax", "True");
    openPlaced();
    EXPECT_TRUE(window->isMaximized());
    EXPECT_TRUE(available().contains(window->frameGeometry())) << available().width();
    closeByUser();
    EXPECT_EQ(stored("bolWinMax"), "True");
    EXPECT_EQ(stored("intWinWidth"), "660");
    EXPECT_EQ(stored("intWinHeight"), "420");

    openPlaced();
    window->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(window->size(), QSize(660, 420));
}

TEST_F(WindowPlacementKeeperTest, APlaceOffTheScreenComesBackOntoItsAvailableArea) {
    setting("intWinLeft", "9000");
    setting("intWinTop", "-7000");
    setting("intWinWidth", "5000");
    setting("intWinHeight", "4000");
    openPlaced();
    EXPECT_TRUE(available().contains(window->frameGeometry()))
        << window->frameGeometry().x() << "," << window->frameGeometry().y() << " " << window->width() << "x"
        << window->height();
}

TEST_F(WindowPlacementKeeperTest, AFirstStartOnAScreenSmallerThanTheWindowOpensMaximised) {
    ASSERT_LT(available().height(), 800 + 40) << "the offscreen screen is larger than this test assumes";
    openPlaced();
    EXPECT_TRUE(window->isMaximized());
    EXPECT_TRUE(available().contains(window->frameGeometry()));
}

} // namespace quorvel::test
