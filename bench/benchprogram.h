#pragma once
#include "ui/boot.h"
#include "tests/support/controls.h"
#include "ui/errorbox.h"
#include "ui/main.h"
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

// What the benchmarks that open the program's windows share. Their main belongs to Google
// Benchmark, so the application object is made on first use and lives to the end of the process.
inline void ensureApplication()
{
    if (QApplication::instance())
        return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    static int argc = 1;
    static char name[] = "taisen_bench";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    ui::setErrorSink([](const QString& message) { qWarning("%s", qPrintable(message)); });
}

inline const QString shippedAssets = QStringLiteral(TAISEN_SOURCE_DIR "/assets");

// One program, its lobby and its game window, over a folder of its own whose img/ and snd/
// lead to the shipped ones, so that each keeps its own setting.ini. Sound is off.
struct BenchProgram {
    explicit BenchProgram(const QString& name = QString())
    {
        ensureApplication();
        for (const char* folder : {"img", "snd"})
            QFile::link(shippedAssets + u'/' + QLatin1String(folder), dir.filePath(QLatin1String(folder)));
        boot = std::make_unique<ui::Tbootform>(station, dir.path() + u'/');
        form = std::make_unique<ui::Tmainform>(station, dir.path() + u'/', boot->settingsPath());
        boot->setGameWindow(form.get());
        if (!name.isEmpty())
            control<QLineEdit>(*boot, "BoxName")->setText(name);
        control<QCheckBox>(*boot, "UseSOund")->setChecked(false);
    }

    QTemporaryDir dir;
    match::Station station;
    std::unique_ptr<ui::Tbootform> boot;
    std::unique_ptr<ui::Tmainform> form; // destroyed before the lobby, as in the program
};
