#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>
#ifdef TAISEN_TEST_WIDGETS
#include <QApplication>
using Application = QApplication;
#else
#include <QCoreApplication>
using Application = QCoreApplication;
#endif

// Socket and widget tests need an application object, and only the ones that build windows a
// QApplication. Without a display even listing the tests would abort, so fall back to the
// offscreen platform and a silent audio driver. The games played keep their records in a folder
// of the run's own, never among the user's.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QTemporaryDir data;
    setenv("XDG_DATA_HOME", data.path().toLocal8Bit().constData(), 1);
    Application app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
