#include "computer/headless.h"
#include "ui/commandline.h"
#include "ui/language.h"
#include <QCoreApplication>
#include <QTextStream>

// A computer player needs no display: it runs until its host closes the connection. `taisen`
// starts it in its own place for --computer.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const auto translator = ui::installTranslation();
    const ui::CommandLine commandLine(ui::argumentList(argc, argv));
    QString error;
    const auto options = commandLine.computerOptions(error);
    if (!options)
        return commandLine.refuse(error);
    QTextStream err(stderr);
    return computer::playHeadless(*options, err);
}
