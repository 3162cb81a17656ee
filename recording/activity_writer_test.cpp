#include "recording/activity_writer.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/file_system.h"
#include "recording/recording_fakes.h"
#include "tests/fixed_clock.h"
#include "tests/temp_folder.h"

namespace {

const char kBalloon[] = "balloon ファイル書き込みエラー / 時刻の記録に失敗しました。";

// The loop with the real writer; the waits, the screen saver and the balloon are fakes.
class ActivityWriterLoopTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateFolder(m_folder));
        WriteTestFile(m_profile.GetPath(), "[SETTING]\r\nRECORD_PATH=" + m_folder + "\r\nINTERVAL=5\r\n");
    }

    void RunUntilWait(size_t stopAt)
    {
        m_wait.m_nStopAt = stopAt;
        RecordingContext context{m_profile, m_window, m_detector, m_writer, m_wait};
        EXPECT_EQ(RecordingThreadProc(context), 0u);
    }

    std::string ReadLog(const std::string& relative)
    {
        std::string contents;
        EXPECT_TRUE(ReadFileExclusive(m_folder + "\\" + relative, contents)) << relative;
        return contents;
    }

    CTempFolder m_temp;
    const std::string m_folder = m_temp / "勤務表";
    CProfileStore m_profile{m_temp / "Tarvelo.ini"};
    RecordingJournal m_journal;
    CFakeRecordingWindow m_window{m_journal};
    CFakeScreenSaverDetector m_detector;
    CFixedClock m_clock{{2008, 5, 31, 23, 40, 0}};
    CActivityWriter m_writer{m_clock};
    CFakeRecordingWait m_wait{m_journal};
};

}  // namespace

TEST_F(ActivityWriterLoopTest, RecordFolderRemovedWhileRecordingAndRestored)
{
    m_detector.m_answers = {false, false, false, false, false, true};
    m_wait.m_onWait = [&](size_t number) {
        if (number == 1) {  // the user deletes the record folder, logs and all
            EXPECT_EQ(ReadLog("data\\200805\\0531.log"), "2340A\r\n");
            RemoveTestFolder(m_folder);
            m_clock.Set({2008, 5, 31, 23, 45, 0});
        }
        if (number == 3) {
            EXPECT_FALSE(PathExists(m_folder)) << "a failed append creates nothing";
            m_clock.Set({2008, 5, 31, 23, 50, 0});
        }
        if (number == 5) {  // and makes it again, empty
            ASSERT_TRUE(CreateFolder(m_folder));
            m_clock.Set({2008, 5, 31, 23, 55, 0});
        }
        if (number == 6)
            m_clock.Set({2008, 6, 1, 0, 0, 0});
    };
    RunUntilWait(7);

    // Two failed cycles, each with its retry and one balloon; then one record per cycle again,
    // data and the month folders made anew.
    EXPECT_EQ(m_journal, (RecordingJournal{"clear flag",
                                           "wait 300000",
                                           "wait 1000", kBalloon, "wait 300000",
                                           "wait 1000", kBalloon, "wait 300000",
                                           "wait 300000",
                                           "wait 300000"}));
    EXPECT_EQ(ReadLog("data\\200805\\0531.log"), "2355S\r\n");
    EXPECT_EQ(ReadLog("data\\200806\\0601.log"), "0000A\r\n");
}

TEST_F(ActivityWriterLoopTest, AnAppendRefusedWhileTheTimeCardReadsTheLogSucceedsOnTheRetry)
{
    ASSERT_TRUE(m_writer.WriteActivityRecord(m_folder, 'A'));
    const std::string log = m_folder + "\\data\\200805\\0531.log";
    // The time card holds the day's log exclusively while it reads, and lets go within the
    // retry's second.
    auto reader = std::make_unique<CExclusiveFile>();
    ASSERT_TRUE(reader->Open(log));
    m_wait.m_onWait = [&](size_t number) {
        if (number == 1)
            reader.reset();
        m_clock.Set({2008, 5, 31, 23, static_cast<int>(40 + number), 0});
    };
    RunUntilWait(3);
    EXPECT_EQ(m_journal, (RecordingJournal{"clear flag", "wait 1000", "wait 300000", "wait 300000"}));
    // No line lost, none torn, none twice: the refused append left nothing.
    EXPECT_EQ(ReadTestFile(log), "2340A\r\n2341A\r\n2342A\r\n");
}
