#include "recording/stop_event.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include "recording/recording_fakes.h"
#include "tests/temp_folder.h"

namespace {

// Tells the test when the recording thread has written its first sample.
class CSignallingWriter : public IActivityWriter {
public:
    bool WriteActivityRecord(const std::string&, char) override
    {
        if (++m_nWrites == 1)
            m_firstWrite.set_value();
        return true;
    }

    std::promise<void> m_firstWrite;
    int m_nWrites = 0;
};

}  // namespace

TEST(StopEvent, WaitsTheFullTimeUntilStoppedAndNeverAfter)
{
    CStopEvent event;
    EXPECT_TRUE(event.Wait(0));
    EXPECT_TRUE(event.Wait(10));
    event.Stop();
    EXPECT_FALSE(event.Wait(60000));
    EXPECT_FALSE(event.Wait(0));
}

TEST(StopEvent, StopWakesTheRecordingThreadWhichThenEnds)
{
    CTempFolder temp;
    CProfileStore profile(temp / "Tarvelo.ini");
    WriteTestFile(profile.GetPath(), "[SETTING]\r\nRECORD_PATH=C:\\Rec\r\nINTERVAL=30\r\n");
    RecordingJournal journal;
    CFakeRecordingWindow window(journal);
    CFakeScreenSaverDetector detector;
    CSignallingWriter writer;
    CStopEvent event;
    std::future<void> firstWrite = writer.m_firstWrite.get_future();
    RecordingContext context{profile, window, detector, writer, event};

    unsigned result = 1;
    std::thread thread([&] { result = RecordingThreadProc(context); });
    const bool wrote = firstWrite.wait_for(std::chrono::seconds(60)) == std::future_status::ready;
    event.Stop();
    thread.join();  // the thread is in its 30-minute wait: only the event can have ended it
    EXPECT_TRUE(wrote);
    EXPECT_EQ(result, 0u);
    EXPECT_EQ(writer.m_nWrites, 1);
}
