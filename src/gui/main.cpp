// SPDX-License-Identifier: MIT
// quorvel [--data-dir DIR] [--engine memory|sql] [--screenshot PATH]: the desktop window over the data folder.
#include "app/Workspace.h"
#include "gui/MainWindow.h"
#include "gui/Translations.h"
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
    quorvel::installTranslations(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Omission analysis of the Mark Six history."));
    parser.addHelpOption();
    QCommandLineOption dataDir(QStringLiteral("data-dir"), QStringLiteral("The data folder (store and settings)."),
                               QStringLiteral("DIR"));
    QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                  QStringLiteral("Write a PNG of the window at 1280x800 and exit."),
                                  QStringLiteral("PATH"));
    QCommandLineOption engine(QStringLiteral("engine"),
                              QStringLiteral("Analysis engine: memory (default) or sql (the reference, much slower)."),
                              QStringLiteral("ENGINE"), QStringLiteral("memory"));
    parser.addOption(dataDir);
    parser.addOption(engine);
    parser.addOption(screenshot);
    parser.process(app);
    const auto engineKind = quorvel::parseEngineKind(parser.value(engine).toStdString());
    if (!engineKind) {
        std::fprintf(stderr, "quorvel: --engine is memory or sql, not '%s'\n",
                     parser.value(engine).toLocal8Bit().constData());
        return 2;
    }

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
        window.setEngine(*engineKind);
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
        // A store that cannot be opened (damaged, held, no access) ends the start; a window user reads why.
        std::fprintf(stderr, "quorvel: %s\n", error.what());
        if (!parser.isSet(screenshot) && QGuiApplication::platformName() != QStringLiteral("offscreen"))
            quorvel::WidgetDialogs().message(nullptr, QStringLiteral("quorvel"), QString::fromUtf8(error.what()));
        return 1;
    }
}
