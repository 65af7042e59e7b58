#include "bench/startup/first_paint.h"
#include "tests/support/controls.h"
#include "ui/boot.h"
#include "ui/fonts.h"
#include "ui/main.h"
#include <QCheckBox>
#include <QThread>
#include <cstdlib>
#include <memory>

// Start-up as the program does it, up to the lobby's first paint. With a number of seconds as
// its argument it then plays the lobby's sound and stays idle that long, for a system-call
// trace of the idle program.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("対戦ゲム"));
    ui::installSubstitutes();
    QApplication::setQuitOnLastWindowClosed(false);
    const QString exeDir = QCoreApplication::applicationDirPath() + QStringLiteral("/");

    match::Station station;
    auto bootform = std::make_unique<ui::Tbootform>(station, exeDir);
    bench::QuitAfterFirstPaint quit(*bootform);
    bootform->show();
    auto mainform = std::make_unique<ui::Tmainform>(station, exeDir, bootform->settingsPath());
    bootform->setGameWindow(mainform.get());
    QApplication::exec();
    bench::printUsage(*bootform, *mainform);

    if (argc > 1) {
        control<QCheckBox>(*bootform, "UseSOund")->setChecked(true);
        bootform->SE_Play(bootform->joinSound);
        std::fflush(stdout);
        QTimer::singleShot(std::atoi(argv[1]) * 1000, &app, &QCoreApplication::quit);
        QApplication::exec();
    }
    mainform.reset();
    bootform.reset();
    return 0;
}
