#include "inifile_fixture.h"
#include "tests/support/namedcase.h"
#include "ui/inifile.h"

namespace {

using ui::IniFile;

const char* const absent = "<absent>";

// One read of one key from a file given as UTF-8 text (stored in code page 932).
struct ReadCase : NamedCase {
    const char* file;
    const char* section;
    const char* key;
    const char* expected;
};

class IniFileReadsKey : public SettingsFileTest, public testing::WithParamInterface<ReadCase> {};

TEST_P(IniFileReadsKey, AsTheWindowsProfileFormatDoes)
{
    const ReadCase& c = GetParam();
    put(sjis(c.file));
    EXPECT_EQ(IniFile(path).readString(text(c.section), text(c.key), absent), text(c.expected));
}

const ReadCase readCases[] = {
    {{"SectionAndKeyIgnoreAsciiCase"}, "[robbysetting]\r\nNAME=Taro\r\n", "RobbySetting", "Name", "Taro"},
    {{"BlanksAroundNamesAndValueAreDropped"}, "  [ RobbySetting ]  \r\n\t Name  =  Taro  Yamada \t\r\n",
     "RobbySetting", "Name", "Taro  Yamada"},
    {{"ShiftJisValueKeepsItsIdeographicSpace"}, "[RobbySetting]\r\nName=山田　太郎\r\n", "RobbySetting",
     "Name", "山田　太郎"},
    {{"TrailByte5DDoesNotCloseTheSection"}, "[ゾーン]\r\nk=v\r\n", "ゾーン", "k", "v"},
    {{"TrailByte5CInKeyAndValue"}, "[s]\r\nソフト=表示\r\n", "s", "ソフト", "表示"},
    {{"TrailByteLetterOfSectionIsNotFolded"}, "[ア]\r\nk=v\r\n", "ヂ", "k", absent},
    {{"TrailByteLetterOfKeyIsNotFolded"}, "[s]\r\nト=v\r\n", "s", "エ", absent},
    {{"FirstOfTwoSectionsWins"}, "[s]\r\na=1\r\n[S]\r\na=2\r\nb=3\r\n", "s", "a", "1"},
    {{"KeysOfALaterTwinSectionAreHidden"}, "[s]\r\na=1\r\n[S]\r\nb=3\r\n", "s", "b", absent},
    {{"FirstOfTwoKeysWins"}, "[s]\r\nk=1\r\nK=2\r\n", "s", "k", "1"},
    {{"KeyBeforeAnySectionBelongsToNone"}, "k=1\r\n[s]\r\n", "s", "k", absent},
    {{"LinesEndingInLf"}, "[s]\nk=1\nj=2\n", "s", "j", "2"},
    {{"LinesEndingInLoneCr"}, "[s]\rk=1\rj=2\r", "s", "j", "2"},
    {{"LastLineWithoutBreak"}, "[s]\r\nk=last", "s", "k", "last"},
    {{"CommentLineIsNoKey"}, "[s]\r\n;k=1\r\nk=2\r\n", "s", "k", "2"},
    {{"EmptyValueIsNotTheDefault"}, "[s]\r\nk=\r\n", "s", "k", ""},
    {{"ValueKeepsItsEquals"}, "[s]\r\nk=host=x\r\n", "s", "k", "host=x"},
    {{"UnclosedBracketOpensNoSection"}, "[s\r\nk=1\r\n", "s", "k", absent},
};

INSTANTIATE_TEST_SUITE_P(Cases, IniFileReadsKey, testing::ValuesIn(readCases),
                         byName);

using IniFileRead = SettingsFileTest;

TEST_F(IniFileRead, MissingFileGivesDefaultsAndIsNotCreated)
{
    const IniFile ini(path);
    EXPECT_EQ(ini.readString("RobbySetting", "Name", "YourName"), "YourName");
    EXPECT_TRUE(ini.readSection("IPLIST").isEmpty());
    EXPECT_FALSE(exists());
}

TEST_F(IniFileRead, FolderInPlaceOfTheFileGivesDefaults)
{
    ASSERT_TRUE(QDir().mkdir(path));
    EXPECT_EQ(IniFile(path).readString("s", "k", "def"), "def");
}

TEST_F(IniFileRead, LoneLeadByteAtLineEndDoesNotSwallowTheBreak)
{
    put("[s]\r\nk=\x81\r\nj=2\r\n\x81");
    EXPECT_EQ(IniFile(path).readString("s", "j", absent), "2");
}

TEST_F(IniFileRead, SectionListsKeyLinesInLineOrderNotKeyOrder)
{
    put(sjis("[IPLIST]\r\n1=b\r\n; 5=comment\r\n\r\nno equals\r\n0=a\r\n10=\r\n[next]\r\n2=c\r\n"));
    const QList<QPair<QString, QString>> expected = {{"1", "b"}, {"0", "a"}, {"10", ""}};
    EXPECT_EQ(IniFile(path).readSection("iplist"), expected);
}

TEST_F(IniFileRead, SectionListsRepeatedKeyWithItsFirstValue)
{
    put(sjis("[s]\r\nk=1\r\nK=2\r\n[s]\r\nj=3\r\n"));
    const QList<QPair<QString, QString>> expected = {{"k", "1"}, {"K", "1"}};
    EXPECT_EQ(IniFile(path).readSection("S"), expected);
}

} // namespace
