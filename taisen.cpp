#include "record/recordstore.h"
#include "rules/failure.h"
#include "ui/analysisreport.h"
#include "ui/boardpictures.h"
#include "ui/boot.h"
#include "ui/commandline.h"
#include "ui/errorbox.h"
#include "ui/fonts.h"
#include "ui/language.h"
#include "ui/main.h"
#include "ui/replaywindow.h"
#include <QApplication>
#include <QLocale>
#include <QTextStream>
#include <memory>

namespace {

// Installs the translation that the user's languages ask for; it lives as long as the caller's.
std::unique_ptr<QTranslator> translate()
{
    auto translator = ui::translatorFor(ui::chooseLanguage(QLocale::system().uiLanguages()));
    if (translator)
        QCoreApplication::installTranslator(translator.get());
    return translator;
}

// --help and --version need no display: a core application answers them.
int answerAlone(int argc, char** argv, const QStringList& arguments)
{
    QCoreApplication app(argc, argv);
    const auto translator = translate();
    QTextStream out(stdout);
    return ui::CommandLine(arguments).answer(out);
}

// A mistake on the command line, said on the terminal with the help: status 2.
int refused(const ui::CommandLine& commandLine, const QString& why)
{
    QTextStream(stderr) << why << "\n\n" << commandLine.helpText();
    return 2;
}

// A mistake on the command line is said with or without a display.
int refuseAlone(int argc, char** argv, const QStringList& arguments)
{
    QCoreApplication app(argc, argv);
    const auto translator = translate();
    const ui::CommandLine commandLine(arguments);
    return refused(commandLine, commandLine.usageError());
}

// A computer player needs no display either: it runs until its host closes the connection.
int playComputer(int argc, char** argv, const QStringList& arguments)
{
    QCoreApplication app(argc, argv);
    const auto translator = translate();
    const ui::CommandLine commandLine(arguments);
    QString error;
    const auto options = commandLine.computerOptions(error);
    if (!options)
        return refused(commandLine, error);
    QTextStream err(stderr);
    return computer::playHeadless(*options, err);
}

// An analysis is printed on the terminal: no display is needed.
int analyze(int argc, char** argv, const QStringList& arguments)
{
    QCoreApplication app(argc, argv);
    const auto translator = translate();
    const ui::CommandLine commandLine(arguments);
    QString error;
    const auto effort = commandLine.effort(error);
    if (!effort)
        return refused(commandLine, error);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return ui::printAnalysis(commandLine.analysisFile(), *effort, out, err);
}

// A record is read before any window: a file that is not one is said on the terminal, with or
// without a display.
int replay(int argc, char** argv, const QString& file)
{
    record::Reading reading;
    {
        QCoreApplication core(argc, argv);
        const auto translator = translate();
        reading = record::openRecord(file);
        if (!reading.game) {
            QTextStream(stderr) << file << ": " << reading.problem << '\n';
            return 1;
        }
    }
    QApplication app(argc, argv);
    const auto translator = translate();
    ui::installSubstitutes();
    const QString exeDir = QCoreApplication::applicationDirPath() + QStringLiteral("/");
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

// The lobby comes first and is the main window; the game window waits hidden beside it.
// The program runs until the lobby is closed, even while the game window stays open.
int main(int argc, char** argv)
{
    const QStringList arguments = ui::argumentList(argc, argv);
    const ui::CommandLine commandLine(arguments);
    if (commandLine.answersAlone())
        return answerAlone(argc, argv, arguments);
    if (commandLine.asksForAnalysis())
        return analyze(argc, argv, arguments);
    if (commandLine.asksForReplay())
        return replay(argc, argv, commandLine.replayFile());
    if (commandLine.asksForComputer())
        return playComputer(argc, argv, arguments);
    if (!commandLine.usageError().isEmpty())
        return refuseAlone(argc, argv, arguments);
    QApplication app(argc, argv);
    const auto translator = translate();
    // Only the name: a display name would be appended to every window's caption.
    QApplication::setApplicationName(QStringLiteral("対戦ゲム"));
    // Desktops match the windows to the desktop entry and its icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(TAISEN_APP_ID));
    ui::installSubstitutes();
    QApplication::setQuitOnLastWindowClosed(false);
    const QString exeDir = QCoreApplication::applicationDirPath() + QStringLiteral("/");

    auto bootform = std::make_unique<ui::Tbootform>(exeDir);
    bootform->show();
    auto mainform = std::make_unique<ui::Tmainform>(*bootform, exeDir);
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
