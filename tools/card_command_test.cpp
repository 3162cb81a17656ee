#include "tools/card_command.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "tests/fixed_clock.h"
#include "tests/temp_folder.h"
#include "tools/console.h"

namespace {

constexpr LocalTime k15July2008{2008, 7, 15, 10, 30, 0};

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size())
        lines.push_back(text.substr(start));  // a last line without LF shows up as one more
    return lines;
}

class CardCommandTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateFolder(m_temp / "data"));
        ASSERT_TRUE(CreateFolder(m_temp / "data\\200807"));
        WriteTestFile(m_temp / "data\\200807\\0701.log", "0855S\r\n0912A\r\n1840A\r\n1845S\r\n");
        WriteTestFile(m_temp / "data\\200807\\0715.log", "0930A\r\n1015A\r\n");
    }
    int Run(std::vector<std::string> args)
    {
        m_output.clear();
        m_errors.clear();
        return RunCardCommand(args, m_clock, m_output, m_errors);
    }
    std::string Card() const { return m_temp / "data\\200807.tsv"; }

    CTempFolder m_temp;
    CFixedClock m_clock{k15July2008};
    std::string m_output;
    std::string m_errors;
};

}  // namespace

TEST_F(CardCommandTest, PrintsThe31RowsOfTheMonthInTheProgramsCodePage)
{
    WriteTestFile(Card(), "2008/07/01\t08:50\t\t\t\t\t\t早出\r\n");
    ASSERT_EQ(Run({"--record-folder", m_temp.Path(), "--today", "2008-07-15", "--encoding", "cp932", "200807"}), 0);
    EXPECT_EQ(m_errors, "");
    const std::vector<std::string> lines = SplitLines(m_output);
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines[0], "07月01日(火)\t08:50\t18:40\t08:55\t09:12\t18:40\t18:45\t早出");
    EXPECT_EQ(lines[1], "07月02日(水)\t\t\t\t\t\t\t");
    EXPECT_EQ(lines[14], "07月15日(火)\t\t\t09:30\t09:30\t10:15\t10:15\t");
    EXPECT_EQ(lines[30], "07月31日(木)\t\t\t\t\t\t\t");
    EXPECT_EQ(m_output.back(), '\n');
    EXPECT_EQ(m_output.find('\r'), std::string::npos);
}

TEST_F(CardCommandTest, PrintsUtf8ByDefaultAndTakesTodayFromTheClock)
{
    WriteTestFile(Card(), "2008/07/01\t08:50\t\t\t\t\t\t早出\r\n");
    ASSERT_EQ(Run({"--record-folder=" + m_temp.Path(), "200807"}), 0);
    const std::vector<std::string> lines = SplitLines(m_output);
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines[0], u8"07月01日(火)\t08:50\t18:40\t08:55\t09:12\t18:40\t18:45\t早出");
    EXPECT_EQ(lines[14], u8"07月15日(火)\t\t\t09:30\t09:30\t10:15\t10:15\t");
    // Another day as today: the 15th is a past day like any other.
    ASSERT_EQ(Run({"--record-folder", m_temp.Path(), "--today=2008-07-16", "--encoding=utf-8", "200807"}), 0);
    EXPECT_EQ(SplitLines(m_output)[14], u8"07月15日(火)\t09:30\t10:15\t09:30\t09:30\t10:15\t10:15\t");
}

TEST_F(CardCommandTest, DaysPastTheEndOfAShortMonthAreSevenTabs)
{
    ASSERT_EQ(Run({"--record-folder", m_temp.Path(), "--encoding", "cp932", "200802"}), 0);
    const std::vector<std::string> lines = SplitLines(m_output);
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines[28], "02月29日(金)\t\t\t\t\t\t\t");
    EXPECT_EQ(lines[29], "\t\t\t\t\t\t\t");
    EXPECT_EQ(lines[30], "\t\t\t\t\t\t\t");
}

TEST_F(CardCommandTest, TakesTheRecordFolderWithTrailingSeparators)
{
    for (const std::string& folder : {m_temp.Path() + "\\", m_temp.Path() + "\\\\", m_temp.Path() + "/"}) {
        ASSERT_EQ(Run({"--record-folder", folder, "--encoding", "cp932", "200807"}), 0) << folder;
        EXPECT_EQ(SplitLines(m_output)[0].substr(0, 18), "07月01日(火)\t09:12") << folder;
    }
}

TEST_F(CardCommandTest, BadArgumentsGiveStatus1AndOneUsageLine)
{
    const std::string folder = m_temp.Path();
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"200807"},
        {"--record-folder", folder},
        {"--record-folder"},
        {"--record-folder", ""},
        {"--record-folder", m_temp / "missing", "200807"},
        {"--record-folder", folder, "--verbose", "200807"},
        {"--record-folder", folder, "-x", "200807"},
        {"--record-folder", folder, "200813"},
        {"--record-folder", folder, "200800"},
        {"--record-folder", folder, "20087"},
        {"--record-folder", folder, "2008-07"},
        {"--record-folder", folder, "２００８０７"},
        {"--record-folder", folder, "0001" "07"},
        {"--record-folder", folder, "200807", "200808"},
        {"--record-folder", folder, "--today", "2008-02-30", "200807"},
        {"--record-folder", folder, "--today", "2008/07/15", "200807"},
        {"--record-folder", folder, "--today", "15.07.2008", "200807"},
        {"--record-folder", folder, "200807", "--today"},
        {"--record-folder", folder, "--encoding", "latin1", "200807"},
        {"--record-folder", folder, "--encoding", "UTF8", "200807"},
    };
    for (const auto& args : cases) {
        std::string joined;
        for (const std::string& arg : args)
            joined += "[" + arg + "]";
        EXPECT_EQ(Run(args), 1) << joined;
        EXPECT_EQ(m_output, "") << joined;
        EXPECT_EQ(m_errors.find("tarvelo-card: "), 0u) << joined;
        EXPECT_NE(m_errors.find("; usage: tarvelo-card --record-folder DIR"), std::string::npos) << joined;
        EXPECT_EQ(m_errors.find('\n'), m_errors.size() - 1) << joined;
    }
}

TEST_F(CardCommandTest, AFileThatDidNotReadWholeGivesStatus2AndStillPrintsTheMonth)
{
    WriteTestFile(Card(),
                  "2008/07/01\t08:50\t19:00\t\t\t\t\t\r\n"
                  "2008/07/02\t09:00\r\n"
                  "2008/07/03\t10:00\t20:00\t\t\t\t\t\r\n");
    ASSERT_EQ(Run({"--record-folder", m_temp.Path(), "--today", "2008-07-15", "--encoding", "cp932", "200807"}), 2);
    EXPECT_EQ(m_errors, "tarvelo-card: " + Card() + ": line 2 rejected\n");
    const std::vector<std::string> lines = SplitLines(m_output);
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines[0], "07月01日(火)\t08:50\t19:00\t08:55\t09:12\t18:40\t18:45\t");
    EXPECT_EQ(lines[2], "07月03日(木)\t\t\t\t\t\t\t");  // after the rejected line: the logs alone

    std::string tooLong;
    for (int line = 1; line <= 32; ++line)
        tooLong += "2008/07/01\t\t\t\t\t\t\t\r\n";
    WriteTestFile(Card(), tooLong);
    EXPECT_EQ(Run({"--record-folder", m_temp.Path(), "200807"}), 2);
    EXPECT_EQ(m_errors, "tarvelo-card: " + Card() + ": line 32 rejected (a month has at most 31 lines)\n");

    WriteTestFile(Card(), "2008/07/01\t08:50\t\t\t\t\t\t\r\n");
    {
        CExclusiveFile other;  // another program holds the file
        ASSERT_TRUE(other.Open(Card()));
        EXPECT_EQ(Run({"--record-folder", m_temp.Path(), "200807"}), 2);
    }
    EXPECT_EQ(m_errors, "tarvelo-card: " + Card() + ": cannot be read\n");
    EXPECT_EQ(SplitLines(m_output).size(), 31u);
}

TEST_F(CardCommandTest, ChangesCreatesAndHoldsNoFile)
{
    // The dialog would save here (a past day's times from its log) and keep a .bak of the broken
    // file; the tool does neither.
    const std::string broken = "2008/07/01\t\t\t\t\t\t\t\r\nbroken\r\n";
    WriteTestFile(Card(), broken);
    EXPECT_EQ(Run({"--record-folder", m_temp.Path(), "200807"}), 2);
    EXPECT_EQ(ReadTestFile(Card()), broken);
    EXPECT_FALSE(PathExists(Card() + ".bak"));
    EXPECT_FALSE(PathExists(Card() + ".tmp"));
    for (const std::string& path : {Card(), m_temp / "data\\200807\\0701.log", m_temp / "data\\200807\\0715.log"}) {
        CExclusiveFile file;
        EXPECT_TRUE(file.Open(path)) << path;
    }
    ASSERT_TRUE(DeleteFilePath(Card()));
    EXPECT_EQ(Run({"--record-folder", m_temp.Path(), "200807"}), 0);
    EXPECT_FALSE(PathExists(Card()));
    EXPECT_EQ(Run({"--record-folder", m_temp.Path(), "200901"}), 0);
    EXPECT_FALSE(PathExists(m_temp / "data\\200901"));
    EXPECT_FALSE(PathExists(m_temp / "data\\200901.tsv"));
}

TEST(CardConsole, ConvertsCodePage932ToUtf8)
{
    EXPECT_EQ(ConvertCp932ToUtf8("07月01日(火)\t表示 ｱ ～"), u8"07月01日(火)\t表示 ｱ ～");
    EXPECT_EQ(ConvertCp932ToUtf8(""), "");
    EXPECT_EQ(ConvertCp932ToUtf8("C:\\data"), "C:\\data");
}
