#include "recording/recording_loop.h"

#include <gtest/gtest.h>

#include <cstring>

#include "recording/recording_fakes.h"
#include "tests/temp_folder.h"

namespace {

const char kBalloon[] = "balloon ファイル書き込みエラー / 時刻の記録に失敗しました。";

class RecordingLoopTest : public testing::Test {
protected:
    void SetIni(const std::string& recordPath, const std::string& interval)
    {
        WriteTestFile(m_profile.GetPath(),
                      "[SETTING]\r\nRECORD_PATH=" + recordPath + "\r\nINTERVAL=" + interval + "\r\n");
    }

    // Runs the loop until the wait with that number says the program is ending.
    void RunUntilWait(size_t stopAt)
    {
        m_wait.m_nStopAt = stopAt;
        RecordingContext context{m_profile, m_window, m_detector, m_writer, m_wait};
        EXPECT_EQ(RecordingThreadProc(context), 0u);
    }

    CTempFolder m_temp;
    CProfileStore m_profile{m_temp / "Tarvelo.ini"};
    RecordingJournal m_journal;
    CFakeRecordingWindow m_window{m_journal};
    CFakeScreenSaverDetector m_detector;
    CFakeActivityWriter m_writer{m_journal};
    CFakeRecordingWait m_wait{m_journal};
};

}  // namespace

TEST_F(RecordingLoopTest, FirstSampleAtOnceThenOneWaitPerInterval)
{
    SetIni("C:\\Rec", "5");
    m_detector.m_answers = {false, true, false};
    RunUntilWait(3);
    EXPECT_EQ(m_journal, (RecordingJournal{"clear flag",
                                           "write A", "wait 300000",
                                           "write S", "wait 300000",
                                           "write A", "wait 300000"}));
    EXPECT_EQ(m_writer.m_folders, (std::vector<std::string>(3, "C:\\Rec")));
}

TEST_F(RecordingLoopTest, FailedAppendIsRetriedOnceAfterASecondWithAFreshState)
{
    SetIni("C:\\Rec", "5");
    m_writer.m_failingCalls = {1};
    m_detector.m_answers = {false, true};  // the screen saver starts during the retry's second
    RunUntilWait(3);
    EXPECT_EQ(m_journal, (RecordingJournal{"clear flag",
                                           "write A failed", "wait 1000", "write S", "wait 300000",
                                           "write A", "wait 300000"}));
    EXPECT_EQ(m_detector.m_nCalls, 3u);
}

TEST_F(RecordingLoopTest, SecondFailureShowsOneBalloonPerCycleAndWritingResumesAfter)
{
    SetIni("C:\\Rec", "5");
    m_writer.m_failingCalls = {1, 2, 3, 4};
    RunUntilWait(5);
    EXPECT_EQ(m_journal, (RecordingJournal{"clear flag",
                                           "write A failed", "wait 1000", "write A failed", kBalloon,
                                           "wait 300000",
                                           "write A failed", "wait 1000", "write A failed", kBalloon,
                                           "wait 300000",
                                           "write A", "wait 300000"}));
}

TEST_F(RecordingLoopTest, EndingDuringTheRetryWaitReturnsAtOnce)
{
    SetIni("C:\\Rec", "5");
    m_writer.m_failingCalls = {1};
    RunUntilWait(1);
    EXPECT_EQ(m_journal, (RecordingJournal{"clear flag", "write A failed", "wait 1000"}));
}

TEST_F(RecordingLoopTest, WaitIsBoundedAndTheStoredIntervalLeftAsItIs)
{
    const struct {
        const char* stored;
        const char* waited;
        const char* storedAfter;
    } cases[] = {
        {"5", "wait 300000", "5"},
        {"0", "wait 60000", "0"},                         // would write without pause
        {"abc", "wait 60000", "abc"},                     // reads as 0
        {"-3", "wait 300000", "5"},                       // the INTERVAL rule stores 5
        {"1", "wait 60000", "1"},
        {"30", "wait 1800000", "30"},
        {"1440", "wait 86400000", "1440"},
        {"1441", "wait 86400000", "1441"},
        {"71583", "wait 86400000", "71583"},              // times 60000 beyond 32 bits
        {"2147483647", "wait 86400000", "2147483647"},
        {"99999999999", "wait 86400000", "99999999999"},  // beyond int
    };
    for (const auto& c : cases) {
        SetIni("C:\\Rec", c.stored);
        m_journal.clear();
        RunUntilWait(1);
        EXPECT_EQ(m_journal, (RecordingJournal{"clear flag", "write A", c.waited})) << c.stored;
        EXPECT_EQ(ReadTestFile(m_profile.GetPath()),
                  std::string("[SETTING]\r\nRECORD_PATH=C:\\Rec\r\nINTERVAL=") + c.storedAfter + "\r\n")
            << c.stored;
    }
}

TEST_F(RecordingLoopTest, FlagIsClearedAtStartSoAnEarlierChangeIsNotReadAgain)
{
    SetIni("C:\\Rec", "5");
    m_window.m_bSettingsChanged = true;
    m_wait.m_onWait = [this](size_t wait) {
        if (wait == 1)
            SetIni("C:\\Rec", "10");  // stored without the tray window's flag
    };
    RunUntilWait(3);
    EXPECT_EQ(m_journal, (RecordingJournal{"clear flag",
                                           "write A", "wait 300000",
                                           "write A", "wait 300000",
                                           "write A", "wait 300000"}));
}

TEST_F(RecordingLoopTest, NewIntervalTakesEffectAfterTheRunningWaitAndIsReadAfterEveryLaterCycle)
{
    SetIni("C:\\Rec", "5");
    m_wait.m_onWait = [this](size_t wait) {
        if (wait == 1) {  // the Settings dialog stores 10 while the first wait runs
            SetIni("C:\\Rec", "10");
            m_window.m_bSettingsChanged = true;
        }
        if (wait == 3)    // later values are read without the flag being set again
            SetIni("C:\\Rec", "7");
        if (wait == 4)
            SetIni("C:\\Rec", "0");
    };
    RunUntilWait(5);
    EXPECT_EQ(m_journal, (RecordingJournal{"clear flag",
                                           "write A", "wait 300000",
                                           "write A", "wait 600000",
                                           "write A", "wait 600000",
                                           "write A", "wait 420000",
                                           "write A", "wait 60000"}));
    EXPECT_TRUE(m_window.m_bSettingsChanged);
}

TEST_F(RecordingLoopTest, RecordFolderIsReadOnceAtStart)
{
    SetIni("C:\\Rec", "5");
    m_wait.m_onWait = [this](size_t) {
        SetIni("D:\\Other", "5");
        m_window.m_bSettingsChanged = true;
    };
    RunUntilWait(3);
    EXPECT_EQ(m_writer.m_folders, (std::vector<std::string>(3, "C:\\Rec")));
}

TEST_F(RecordingLoopTest, RecordFolderLongerThanTheBufferIsHandedOnEmpty)
{
    const std::string fits = "C:\\" + std::string(257, 'a');
    const std::string tooLong = fits + "a";
    const struct {
        const std::string& stored;
        const char* handedOn;
    } cases[] = {{fits, fits.c_str()}, {tooLong, ""}};
    for (const auto& c : cases) {
        SetIni(c.stored, "5");
        m_writer.m_folders.clear();
        RunUntilWait(1);
        EXPECT_EQ(m_writer.m_folders, (std::vector<std::string>{c.handedOn})) << c.stored.size();
    }
}

TEST(CopyRecordPath, CopiesUpTo260CharactersAndLeavesTheBufferAloneOtherwise)
{
    const struct {
        std::string folder;
        bool copied;
    } cases[] = {
        {"", true},
        {"C:\\勤務表", true},
        {std::string(260, 'a'), true},
        {std::string(261, 'a'), false},
        {std::string(1000, 'a'), false},
    };
    for (const auto& c : cases) {
        char buffer[261];
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(CopyRecordPath(buffer, c.folder), c.copied) << c.folder.size();
        if (c.copied)
            EXPECT_EQ(std::string(buffer), c.folder);
        else
            EXPECT_EQ(std::string(buffer, sizeof buffer), std::string(261, 'x')) << c.folder.size();
    }
}
