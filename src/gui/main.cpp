// SPDX-License-Identifier: MIT
// quorvel [--data-dir DIR] [--screenshot PATH]: the desktop window over the data folder.
#include "app/Workspace.h"
#include "gui/MainWindow.h"
#include "gui/WidgetDialogs.h"
#include "platform/DataFolder.h"
#include "platform/QtSettingsStore.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>

namespace {

// The window draws without a display when it only has to write a screenshot.
void preferOffscreenForScreenshots(int argc, char** argv) {
    bool screenshot = false;
    for (int i = 1; i < argc; ++i)
        screenshot = screenshot || std::string_view(argv[i]).starts_with("--screenshot");
    const bool display = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
    if (screenshot && !display && !std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

} // namespace

int main(int argc, char** argv) {
    preferOffscreenForScreenshots(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvel"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Omission analysis of the Mark Six history."));
    parser.addHelpOption();
    QCommandLineOption dataDir(QStringLiteral("data-dir"), QStringLiteral("The data folder (store and settings)."),
                               QStringLiteral("DIR"));
    QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                  QStringLiteral("Write a PNG of the window at 1280x800 and exit."),
                                  QStringLiteral("PATH"));
    parser.addOption(dataDir);
    parser.addOption(screenshot);
    parser.process(app);

    try {
        std::optional<std::string> given;
        if (parser.isSet(dataDir)) given = parser.value(dataDir).toStdString();
        const std::filesystem::path folder = quorvel::resolveDataFolder(given);
        std::filesystem::create_directories(folder);
        quorvel::QtSettingsStore settings(folder);
        quorvel::SystemClock clock;
        quorvel::Workspace workspace(folder, settings, clock);
        quorvel::WidgetDialogs dialogs;
        quorvel::MainWindow window(workspace, dialogs);
        window.show();
        if (parser.isSet(screenshot)) {
            const QString path = parser.value(screenshot);
            window.resize(1280, 800);
            // Let layouts, deferred scrolling and painting settle before the picture is taken.
            QTimer::singleShot(500, &window, [&window, path] {
                if (!window.grab().save(path)) {
                    std::fprintf(stderr, "quorvel: cannot write the screenshot %s\n", path.toLocal8Bit().constData());
                    QApplication::exit(1);
                    return;
                }
                QApplication::exit(0);
            });
        }
        return QApplication::exec();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quorvel: %s\n", error.what());
        return 1;
    }
}
