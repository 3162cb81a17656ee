#include "recording/activity_writer.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "recording/recording_fakes.h"
#include "tests/fixed_clock.h"
#include "tests/temp_folder.h"

namespace {

const char kBalloon[] = "balloon ファイル書き込みエラー / 時刻の記録に失敗しました。";

}  // namespace

TEST(ActivityWriter, LoopRecordsAgainOnceAMissingRecordFolderIsBack)
{
    CTempFolder temp;
    const std::string folder = temp / "勤務表";
    CProfileStore profile(temp / "Tarvelo.ini");
    WriteTestFile(profile.GetPath(), "[SETTING]\r\nRECORD_PATH=" + folder + "\r\nINTERVAL=5\r\n");

    RecordingJournal journal;
    CFakeRecordingWindow window(journal);
    CFakeScreenSaverDetector detector;
    detector.m_answers = {false, false, false, false, true};
    CFixedClock clock({2008, 5, 31, 23, 50, 0});
    CActivityWriter writer(clock);
    CFakeRecordingWait wait(journal);
    wait.m_nStopAt = 6;
    wait.m_onWait = [&](size_t number) {
        if (number == 2) {
            EXPECT_FALSE(PathExists(folder)) << "a failed append creates nothing";
        }
        if (number == 4) {
            clock.Set({2008, 5, 31, 23, 55, 0});
            ASSERT_TRUE(CreateFolder(folder));
        }
        if (number == 5)
            clock.Set({2008, 6, 1, 0, 0, 0});
    };
    RecordingContext context{profile, window, detector, writer, wait};
    EXPECT_EQ(RecordingThreadProc(context), 0u);

    // Two failed cycles, each with its retry and balloon; then one record per cycle.
    EXPECT_EQ(journal, (RecordingJournal{"clear flag",
                                         "wait 1000", kBalloon, "wait 300000",
                                         "wait 1000", kBalloon, "wait 300000",
                                         "wait 300000",
                                         "wait 300000"}));
    std::string may31, june1;
    ASSERT_TRUE(ReadFileExclusive(folder + "\\data\\200805\\0531.log", may31));
    ASSERT_TRUE(ReadFileExclusive(folder + "\\data\\200806\\0601.log", june1));
    EXPECT_EQ(may31, "2355S\r\n");
    EXPECT_EQ(june1, "0000A\r\n");
}
