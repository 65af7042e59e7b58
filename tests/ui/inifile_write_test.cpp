#include "inifile_fixture.h"
#include "tests/support/namedcase.h"
#include "rules/failure.h"
#include "ui/inifile.h"

namespace {

using ui::IniFile;

// One write into a file given as UTF-8 text (null: no file), and the file's text after it.
struct WriteCase : NamedCase {
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

class IniFileWritesKey : public SettingsFileTest, public testing::WithParamInterface<WriteCase> {};

TEST_P(IniFileWritesKey, ChangingOnlyItsLine)
{
    const WriteCase& c = GetParam();
    if (c.before)
        put(sjis(c.before));
    IniFile ini(path);
    ini.writeString(text(c.section), text(c.key), text(c.value));
    EXPECT_EQ(bytes(), sjis(c.after));
    EXPECT_EQ(ini.readString(text(c.section), text(c.key), "<absent>"), text(c.value));
    EXPECT_EQ(entries(), QStringList{"setting.ini"}); // no temporary file left behind
}

const WriteCase writeCases[] = {
    {{"FirstWriteCreatesTheFile"}, nullptr, "RobbySetting", "Name", "Taro",
     "[RobbySetting]\r\nName=Taro\r\n"},
    {{"ReplacedLineEndsInCrLfAndAllElseStays"},
     "; settings\n\n[RobbySetting]\r\n  name =  Old \nPort=18389\r\r\n[IPLIST]\r\n0=a",
     "RobbySetting", "NAME", "新しい名前",
     "; settings\n\n[RobbySetting]\r\nname=新しい名前\r\nPort=18389\r\r\n[IPLIST]\r\n0=a"},
    {{"ExistingKeyKeepsTheFilesSpelling"}, "[robbysetting]\r\nNAME=a\r\n", "RobbySetting", "Name", "b",
     "[robbysetting]\r\nNAME=b\r\n"},
    {{"SameValueLeavesTheLfLineAlone"}, "[s]\nk=v\n", "s", "K", "v", "[s]\nk=v\n"},
    {{"NewKeyFollowsTheLastKeyLineNotTheBlankOnes"}, "[a]\r\nx=1\r\n; c\r\n\r\n[b]\r\ny=2\r\n", "a", "z", "3",
     "[a]\r\nx=1\r\nz=3\r\n; c\r\n\r\n[b]\r\ny=2\r\n"},
    {{"NewKeyOfAKeylessSectionFollowsItsHeader"}, "[a]\n; only a comment\n[b]\n", "a", "k", "v",
     "[a]\nk=v\r\n; only a comment\n[b]\n"},
    {{"NewKeyAfterAnUnendedLastLine"}, "[s]\r\nx=1", "s", "k", "v", "[s]\r\nx=1\r\nk=v\r\n"},
    {{"NewKeyAfterAnUnendedHeader"}, "[s]", "s", "k", "v", "[s]\r\nk=v\r\n"},
    {{"NewSectionAfterAnUnendedLine"}, "[a]\r\nx=1", "s", "k", "v", "[a]\r\nx=1\r\n[s]\r\nk=v\r\n"},
    {{"NewSectionAfterLoneCr"}, "[a]\rx=1\r", "s", "k", "v", "[a]\rx=1\r[s]\r\nk=v\r\n"},
    {{"FirstOfTwinKeysIsReplaced"}, "[s]\r\nk=1\r\nk=2\r\n", "s", "k", "9", "[s]\r\nk=9\r\nk=2\r\n"},
    {{"FirstOfTwinSectionsGetsTheKey"}, "[s]\r\na=1\r\n[s]\r\nb=2\r\n", "s", "b", "3",
     "[s]\r\na=1\r\nb=3\r\n[s]\r\nb=2\r\n"},
    {{"TrailByte5DSectionIsFound"}, "[ゾーン]\r\nk=1\r\n", "ゾーン", "k", "2", "[ゾーン]\r\nk=2\r\n"},
    {{"TrailByteLetterSectionIsNotFolded"}, "[ア]\r\nk=1\r\n", "ヂ", "k", "2", "[ア]\r\nk=1\r\n[ヂ]\r\nk=2\r\n"},
    {{"TrailByteLetterKeyIsNotFolded"}, "[s]\r\nト=1\r\n", "s", "エ", "2", "[s]\r\nト=1\r\nエ=2\r\n"},
    {{"ShiftJisValue"}, "[RobbySetting]\r\nName=YourName\r\n", "RobbySetting", "Name", "山田　太郎ソ",
     "[RobbySetting]\r\nName=山田　太郎ソ\r\n"},
    {{"ValueWithEquals"}, "[IPLIST]\r\n", "IPLIST", "0", "host=x", "[IPLIST]\r\n0=host=x\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, IniFileWritesKey, testing::ValuesIn(writeCases),
                         byName);

// The text of the Failure that body throws, or "<none>".
QString failureOf(const std::function<void()>& body)
{
    try {
        body();
    } catch (const Failure& failure) {
        return failure.text();
    }
    return "<none>";
}

using IniFileWrite = SettingsFileTest;

TEST_F(IniFileWrite, WritesAreNotCachedBetweenTwoObjects)
{
    IniFile first(path);
    IniFile second(path);
    first.writeString("s", "x", "1");
    second.writeString("s", "y", "2");
    first.writeString("s", "z", "3");
    EXPECT_EQ(bytes(), "[s]\r\nx=1\r\ny=2\r\nz=3\r\n");
}

TEST_F(IniFileWrite, FolderInPlaceOfTheFileFailsAndStaysEmpty)
{
    ASSERT_TRUE(QDir().mkdir(path));
    EXPECT_EQ(failureOf([&] { IniFile(path).writeString("s", "k", "v"); }), path + " に書き込めません");
    EXPECT_TRUE(QDir(path).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST_F(IniFileWrite, FileInPlaceOfTheFolderFailsAndIsKept)
{
    const QString notFolder = dir.filePath("exe");
    QFile plain(notFolder);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("keep");
    plain.close();
    const QString inside = notFolder + "/setting.ini";
    EXPECT_EQ(failureOf([&] { IniFile(inside).writeString("s", "k", "v"); }), inside + " に書き込めません");
    ASSERT_TRUE(plain.open(QIODevice::ReadOnly));
    EXPECT_EQ(plain.readAll(), "keep");
    EXPECT_EQ(entries(), QStringList{"exe"});
}

TEST_F(IniFileWrite, ReadOnlyFileFailsAndIsKept)
{
    put("[s]\r\nk=1\r\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser);
    if (QFileInfo(path).isWritable())
        GTEST_SKIP() << "this user may write read-only files";
    EXPECT_EQ(failureOf([&] { IniFile(path).writeString("s", "k", "2"); }), path + " に書き込めません");
    EXPECT_EQ(bytes(), "[s]\r\nk=1\r\n");
    EXPECT_EQ(entries(), QStringList{"setting.ini"});
}

TEST_F(IniFileWrite, ReadOnlyFolderFailsAndCreatesNothing)
{
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool writable = QFileInfo(dir.path()).isWritable();
    const QString message = failureOf([&] { IniFile(path).writeString("s", "k", "v"); });
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (writable)
        GTEST_SKIP() << "this user may write into read-only folders";
    EXPECT_EQ(message, path + " に書き込めません");
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(IniFileWrite, WritableFileInReadOnlyFolderIsWrittenInPlace)
{
    put("[s]\r\nk=1\r\n");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    IniFile(path).writeString("s", "k", "2");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(bytes(), "[s]\r\nk=2\r\n");
    EXPECT_EQ(entries(), QStringList{"setting.ini"});
}

TEST_F(IniFileWrite, UnreadableFileIsNeitherReadAsEmptyNorOverwritten)
{
    put("[s]\r\nk=1\r\n");
    QFile::setPermissions(path, QFile::WriteOwner);
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "this user may read unreadable files";
    EXPECT_EQ(failureOf([&] { IniFile(path).writeString("s", "j", "2"); }), path + " に書き込めません");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(bytes(), "[s]\r\nk=1\r\n");
}

// Text that would not read back as written is refused like an unwritable file.
struct Unstorable : NamedCase {
    const char* section;
    const char* key;
    const char* value;
};

class IniFileRefuses : public SettingsFileTest, public testing::WithParamInterface<Unstorable> {};

TEST_P(IniFileRefuses, TextThatCannotStandOnOneLine)
{
    const Unstorable& c = GetParam();
    const QByteArray before = "[s]\r\nk=1\r\n";
    put(before);
    EXPECT_EQ(failureOf([&] { IniFile(path).writeString(text(c.section), text(c.key), text(c.value)); }),
              path + " に書き込めません");
    EXPECT_EQ(bytes(), before);
}

const Unstorable unstorables[] = {
    {{"LineBreakInValue"}, "s", "k", "a\r\n[t]\r\nx=y"},
    {{"LineBreakInKey"}, "s", "k\nj", "v"},
    {{"BracketInSection"}, "a]b", "k", "v"},
    {{"EqualsInKey"}, "s", "a=b", "v"},
    {{"EmptyKey"}, "s", " ", "v"},
    {{"CommentKey"}, "s", ";k", "v"},
};

INSTANTIATE_TEST_SUITE_P(Cases, IniFileRefuses, testing::ValuesIn(unstorables),
                         byName);

} // namespace
