#include "record/recordstore.h"
#include "rules/failure.h"
#include "ui/boardpictures.h"
#include "ui/boot.h"
#include "ui/commandline.h"
#include "ui/errorbox.h"
#include "ui/fonts.h"
#include "ui/helperprogram.h"
#include "ui/language.h"
#include "ui/main.h"
#include "ui/replaywindow.h"
#include <QApplication>
#include <QTextStream>
#include <memory>

namespace {

// The folder of the `taisen` that started this program, ending in "/".
QString exeFolder()
{
    return ui::programFolder(QCoreApplication::applicationDirPath());
}

// A record is read before any window: a file that is not one is said on the terminal, with or
// without a display.
int replay(int argc, char** argv, const QString& file)
{
    record::Reading reading;
    {
        QCoreApplication core(argc, argv);
        const auto translator = ui::installTranslation();
        reading = record::openRecord(file);
        if (!reading.game) {
            QTextStream(stderr) << file << ": " << reading.problem << '\n';
            return 1;
        }
    }
    QApplication app(argc, argv);
    const auto translator = ui::installTranslation();
    ui::installSubstitutes();
    const QString exeDir = exeFolder();
    ui::BoardImages images;
    try {
        ui::loadBoardImages(exeDir, images);
    } catch (const Failure& failure) {
        QTextStream(stderr) << failure.text() << '\n';
        return 1;
    }
    const ui::BoardImages larger = ui::largerBoardImages(exeDir);
    auto* window = new ui::ReplayWindow(reading, images, larger);
    window->show();
    return QApplication::exec();
}

} // namespace

// `taisen` starts this program in its place when a window is wanted. The lobby comes first and
// is the main window; the game window waits hidden beside it. The program runs until the lobby
// is closed, even while the game window stays open.
int main(int argc, char** argv)
{
    const ui::CommandLine commandLine(ui::argumentList(argc, argv));
    if (commandLine.asksForReplay())
        return replay(argc, argv, commandLine.replayFile());
    QApplication app(argc, argv);
    const auto translator = ui::installTranslation();
    // Only the name: a display name would be appended to every window's caption.
    QApplication::setApplicationName(QStringLiteral("対戦ゲム"));
    // Desktops match the windows to the desktop entry and its icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(TAISEN_APP_ID));
    ui::installSubstitutes();
    QApplication::setQuitOnLastWindowClosed(false);
    const QString exeDir = exeFolder();

    match::Station station;
    station.keepRecords(record::recordsFolder());
    auto bootform = std::make_unique<ui::Tbootform>(station, exeDir);
    bootform->show();
    auto mainform = std::make_unique<ui::Tmainform>(station, exeDir, bootform->settingsPath());
    bootform->setGameWindow(mainform.get());
    if (const auto webPort = commandLine.webPort())
        bootform->setWebPort(*webPort);
    if (commandLine.asksForAlone())
        ui::guarded([&] { bootform->playAlone(commandLine.aloneOptions()); });
    QObject::connect(bootform.get(), &ui::Tbootform::Closed, &app, &QCoreApplication::quit);
    const int result = QApplication::exec();
    mainform.reset();
    bootform.reset();
    return result;
}
