#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

// Widget and socket tests need an application object; without a display even listing the
// tests would abort, so fall back to the offscreen platform and a silent audio driver.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
