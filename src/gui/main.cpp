// SPDX-License-Identifier: MIT
// quorvel [--data-dir DIR] [--engine memory|sql] [--screenshot PATH [--size WxH]]: the desktop window over the
// data folder.
#include "app/Workspace.h"
#include "gui/main/MainWindow.h"
#include "gui/shell/QtText.h"
#include "gui/shell/Translations.h"
#include "gui/shell/WidgetDialogs.h"
#include "gui/shell/WindowPlacementKeeper.h"
#include "platform/DataFolder.h"
#include "platform/QtSettingsStore.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QRegularExpression>
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
    if (screenshot && !display && !std::getenv("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The size of --size, WxH with both above 0 (1280x800 in the window's pixels unless given).
std::optional<QSize> screenshotSize(const QString& text) {
    const auto match = QRegularExpression(QStringLiteral("^([1-9][0-9]{0,4})[xX]([1-9][0-9]{0,4})$")).match(text);
    if (!match.hasMatch()) return std::nullopt;
    return QSize(match.captured(1).toInt(), match.captured(2).toInt());
}

} // namespace

int main(int argc, char** argv) {
    preferOffscreenForScreenshots(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvel"));
    // The locale's language until the settings are read, so that a store that cannot be opened is told in it.
    quorvel::useLanguage(quorvel::windowLanguage(QString()));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Omission analysis of the Mark Six history."));
    parser.addHelpOption();
    QCommandLineOption dataDir(QStringLiteral("data-dir"), QStringLiteral("The data folder (store and settings)."),
                               QStringLiteral("DIR"));
    QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                  QStringLiteral("Write a PNG of the window (1280x800 unless --size) and exit."),
                                  QStringLiteral("PATH"));
    QCommandLineOption size(QStringLiteral("size"),
                            QStringLiteral("The window's size for --screenshot, in the window's pixels."),
                            QStringLiteral("WxH"), QStringLiteral("1280x800"));
    QCommandLineOption engine(QStringLiteral("engine"),
                              QStringLiteral("Analysis engine: memory (default) or sql (the reference, much slower)."),
                              QStringLiteral("ENGINE"), QStringLiteral("memory"));
    parser.addOption(dataDir);
    parser.addOption(engine);
    parser.addOption(screenshot);
    parser.addOption(size);
    parser.process(app);
    const auto engineKind = quorvel::parseEngineKind(parser.value(engine).toStdString());
    if (!engineKind) {
        std::fprintf(stderr, "quorvel: --engine is memory or sql, not '%s'\n",
                     parser.value(engine).toLocal8Bit().constData());
        return 2;
    }
    const auto shotSize = screenshotSize(parser.value(size));
    if (!shotSize) {
        std::fprintf(stderr, "quorvel: --size is WxH, such as 1366x768, not '%s'\n",
                     parser.value(size).toLocal8Bit().constData());
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
        quorvel::useChosenLanguage(workspace.settings());
        quorvel::WidgetDialogs dialogs;
        quorvel::MainWindow window(workspace, dialogs);
        window.setEngine(*engineKind);
        if (parser.isSet(screenshot)) {
            const QString path = parser.value(screenshot);
            // The picture shows the size asked for, wherever the window was left last time.
            window.resize(*shotSize);
            window.show();
            // Let layouts, deferred scrolling and painting settle before the picture is taken.
            QTimer::singleShot(500, &window, [&window, path] {
                if (!window.grab().save(path)) {
                    std::fprintf(stderr, "quorvel: cannot write the screenshot %s\n", path.toLocal8Bit().constData());
                    QApplication::exit(1);
                    return;
                }
                QApplication::exit(0);
            });
        } else {
            (new quorvel::WindowPlacementKeeper(window, workspace.settings()))->show();
        }
        return QApplication::exec();
    } catch (const std::exception& error) {
        // A store that cannot be opened (damaged, held, no access) ends the start; a window user reads why.
        std::fprintf(stderr, "quorvel: %s\n", error.what());
        if (!parser.isSet(screenshot) && QGuiApplication::platformName() != QStringLiteral("offscreen"))
            quorvel::WidgetDialogs().warning(nullptr, QStringLiteral("quorvel"), quorvel::shownError(error));
        return 1;
    }
}
