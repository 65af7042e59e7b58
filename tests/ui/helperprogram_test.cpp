#include "ui/helperprogram.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

} // namespace

// A build folder holds `taisen` and its helpers side by side.
TEST(HelperProgram, InABuildFolderTheHelpersAndTaisenLieSideBySide)
{
    QTemporaryDir dir;
    const QString build = dir.path() + u'/';
    for (const char* name : {"taisen", "taisen-windows", "taisen-computer"})
        touch(build + QLatin1String(name));
    EXPECT_EQ(ui::helperPath(build, ui::Helper::Windows), build + QStringLiteral("taisen-windows"));
    EXPECT_EQ(ui::helperPath(dir.path(), ui::Helper::Computer), build + QStringLiteral("taisen-computer"));
    EXPECT_EQ(ui::programFolder(dir.path()), build);
}

// Installed, the helpers have a folder of their own, and a helper still finds the settings and
// the pictures from `taisen`'s folder.
TEST(HelperProgram, InstalledEachFindsTheOtherFolder)
{
    QTemporaryDir dir;
    const QString bin = dir.filePath(QStringLiteral("usr/bin/"));
    ASSERT_TRUE(QDir().mkpath(bin));
    touch(bin + QStringLiteral("taisen"));
    for (const ui::Helper helper : {ui::Helper::Windows, ui::Helper::Computer}) {
        const QString path = ui::helperPath(bin, helper);
        EXPECT_FALSE(path.startsWith(bin)) << path.toStdString();
        EXPECT_TRUE(path.startsWith(dir.filePath(QStringLiteral("usr/")))) << path.toStdString();
        const QString helperFolder = QFileInfo(path).path();
        ASSERT_TRUE(QDir().mkpath(helperFolder));
        EXPECT_EQ(ui::programFolder(helperFolder), bin);
    }
    EXPECT_NE(ui::helperPath(bin, ui::Helper::Windows), ui::helperPath(bin, ui::Helper::Computer));
}
