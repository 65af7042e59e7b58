#include "ui/assetfile.h"
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// An installed tree: the executable's folder bin/ beside share/taisen/.
class AssetPathTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir(root.path()).mkpath("bin"));
    }
    void makeFolder(const QString& relative) { ASSERT_TRUE(QDir(root.path()).mkpath(relative)); }
    QString exeDir() const { return root.path() + "/bin/"; }

    QTemporaryDir root;
};

TEST_F(AssetPathTest, WithoutAnyFolderTheErrorNamesThePathBesideTheExecutable)
{
    EXPECT_EQ(ui::assetPath(exeDir(), "snd\\kako.wav"), exeDir() + "snd/kako.wav");
}

TEST_F(AssetPathTest, InstalledDataFolderServesWhenNothingLiesBesideTheExecutable)
{
    makeFolder("share/taisen/snd");
    makeFolder("share/taisen/img");
    EXPECT_EQ(ui::assetPath(exeDir(), "snd\\kako.wav"), root.path() + "/share/taisen/snd/kako.wav");
    EXPECT_EQ(ui::assetPath(exeDir(), "img\\f_red.bmp"), root.path() + "/share/taisen/img/f_red.bmp");
}

TEST_F(AssetPathTest, FolderBesideTheExecutableComesFirstEachFolderOnItsOwn)
{
    makeFolder("share/taisen/snd");
    makeFolder("share/taisen/img");
    makeFolder("bin/img");
    EXPECT_EQ(ui::assetPath(exeDir(), "img\\old.bmp"), exeDir() + "img/old.bmp");
    EXPECT_EQ(ui::assetPath(exeDir(), "snd\\put.wav"), root.path() + "/share/taisen/snd/put.wav");
}

TEST_F(AssetPathTest, FileMissingFromTheChosenFolderIsNotLookedForElsewhere)
{
    makeFolder("bin/snd");
    makeFolder("share/taisen/snd");
    // The folder decides: a partial folder beside the executable reports its missing file.
    EXPECT_EQ(ui::assetPath(exeDir(), "snd\\buz.wav"), exeDir() + "snd/buz.wav");
}

} // namespace
