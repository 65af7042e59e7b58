#include "ui/analysisreport.h"
#include "ui/commandline.h"
#include "ui/helperprogram.h"
#include "ui/language.h"
#include <QCoreApplication>
#include <QTextStream>
#include <unistd.h>

namespace {

// Help, version, an analysis or a mistake, said on the terminal in the user's language.
int answer(int argc, char** argv, const QStringList& arguments)
{
    QCoreApplication app(argc, argv);
    const auto translator = ui::installTranslation();
    // Made after the translation, which its help text is written in.
    const ui::CommandLine commandLine(arguments);
    QTextStream out(stdout);
    if (commandLine.answersAlone())
        return commandLine.answer(out);
    if (!commandLine.asksForAnalysis())
        return commandLine.refuse(commandLine.usageError());
    QString error;
    const auto effort = commandLine.effort(error);
    if (!effort)
        return commandLine.refuse(error);
    QTextStream err(stderr);
    return ui::printAnalysis(commandLine.analysisFile(), *effort, out, err, isatty(STDERR_FILENO) != 0);
}

} // namespace

// taisen-cli, which `taisen` becomes when given arguments: what needs no window is answered here
// with Qt Core alone; a computer player and the windows are programs of their own, started in
// this process's place (ui/helperprogram.h).
int main(int argc, char** argv)
{
    const QStringList arguments = ui::argumentList(argc, argv);
    const ui::CommandLine commandLine(arguments);
    if (!commandLine.answersAlone() && !commandLine.asksForAnalysis()) {
        if (commandLine.asksForReplay())
            return ui::startHelper(ui::Helper::Windows, argc, argv);
        if (commandLine.asksForComputer())
            return ui::startHelper(ui::Helper::Computer, argc, argv);
        if (commandLine.usageError().isEmpty())
            return ui::startHelper(ui::Helper::Windows, argc, argv);
    }
    return answer(argc, argv, arguments);
}
