// SPDX-License-Identifier: MIT
#include "gui/shell/WindowPlacementKeeper.h"

#include "app/settings/WindowPlacement.h"
#include "model/Error.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cstdio>

namespace quorvel {

namespace {

// What a desktop's frame adds to the content (borders and title bar), before the window is shown and the real
// frame is known; a maximised window takes the exact area whatever this is.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 40;

QScreen* screenOf(const WindowPlacement& remembered) {
    if (remembered.normal) {
        const WindowRect& rect = *remembered.normal;
        if (QScreen* screen = QGuiApplication::screenAt(QPoint(rect.x + rect.width / 2, rect.y + rect.height / 2)))
            return screen;
    }
    return QGuiApplication::primaryScreen();
}

} // namespace

WindowPlacementKeeper::WindowPlacementKeeper(QWidget& window, Settings& settings)
    : QObject(&window), m_window(window), m_settings(settings) {
    m_window.installEventFilter(this);
}

void WindowPlacementKeeper::show() {
    const WindowPlacement remembered = loadWindowPlacement(m_settings);
    QScreen* screen = screenOf(remembered);
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
    const QSize minimum = m_window.minimumSize();
    const ScreenPlacement placed =
        placeOnScreen(remembered, WindowRect{area.x(), area.y(), area.width(), area.height()}, kFrameWidth,
                      kFrameHeight, minimum.width(), minimum.height());
    // move() places the frame's top left, resize() sizes the content: the pair the placement is saved as.
    m_window.move(placed.normal.x, placed.normal.y);
    m_window.resize(placed.normal.width, placed.normal.height);
    if (placed.maximised)
        m_window.showMaximized();
    else
        m_window.show();
}

bool WindowPlacementKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window && event->type() == QEvent::Close) save();
    return QObject::eventFilter(watched, event);
}

void WindowPlacementKeeper::save() {
    // The normal geometry is the window's own while it is normal, and the one it returns to when maximised;
    // its top left is the content's, so the frame's offset is taken off to save the frame's top left.
    const QRect normal = m_window.normalGeometry();
    const QPoint frameOffset = m_window.geometry().topLeft() - m_window.frameGeometry().topLeft();
    WindowPlacement placement;
    placement.maximised = m_window.isMaximized();
    if (normal.isValid())
        placement.normal =
            WindowRect{normal.x() - frameOffset.x(), normal.y() - frameOffset.y(), normal.width(), normal.height()};
    try {
        saveWindowPlacement(m_settings, placement);
    } catch (const Error& error) {
        // The window is closing: there is nowhere left to show this.
        std::fprintf(stderr, "quorvel: the window's place was not saved: %s\n", error.what());
    }
}

} // namespace quorvel
