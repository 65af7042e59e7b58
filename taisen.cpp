#include "ui/boot.h"
#include "ui/commandline.h"
#include "ui/fonts.h"
#include "ui/language.h"
#include "ui/main.h"
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

// A mistake on the command line is said on the terminal, with or without a display.
int refuseAlone(int argc, char** argv, const QStringList& arguments)
{
    QCoreApplication app(argc, argv);
    const auto translator = translate();
    QTextStream err(stderr);
    const ui::CommandLine commandLine(arguments);
    err << commandLine.usageError() << "\n\n" << commandLine.helpText();
    return 2;
}

// A computer player needs no display either: it runs until its host closes the connection.
int playComputer(int argc, char** argv, const QStringList& arguments)
{
    QCoreApplication app(argc, argv);
    const auto translator = translate();
    QTextStream err(stderr);
    const ui::CommandLine commandLine(arguments);
    QString error;
    const auto options = commandLine.computerOptions(error);
    if (!options) {
        err << error << "\n\n" << commandLine.helpText();
        return 2;
    }
    return computer::playHeadless(*options, err);
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
    QObject::connect(bootform.get(), &ui::Tbootform::Closed, &app, &QCoreApplication::quit);
    const int result = QApplication::exec();
    mainform.reset();
    bootform.reset();
    return result;
}
