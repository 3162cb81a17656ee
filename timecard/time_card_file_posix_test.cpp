// POSIX only: a save that meets a full disk or a file the user may not write, each made in a child
// process of its own (a file-size limit; the rights of user nobody, since root writes anything).
#include "timecard/time_card_data.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "tests/child_process_posix.h"
#include "tests/temp_folder.h"

namespace {

class TimeCardFileFaultTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateFolder(m_folder));
        ASSERT_TRUE(m_data.SetPath(m_path));
    }

    // What the save leaves: the previous file byte for byte, and nothing beside it.
    void ExpectPreviousFileAlone(const std::string& previous, const char* what)
    {
        EXPECT_EQ(ReadTestFile(m_path), previous) << what;
        EXPECT_FALSE(PathExists(m_path + ".tmp")) << what;
        EXPECT_FALSE(PathExists(m_path + ".bak")) << what;
    }

    CTempFolder m_temp;
    const std::string m_folder = m_temp / "data";
    const std::string m_path = m_temp / "data\\200807.tsv";
    CTimeCardData m_data;
};

}  // namespace

TEST_F(TimeCardFileFaultTest, ASaveThatRunsOutOfDiskFailsAndLeavesThePreviousFile)
{
    const struct {
        const char* what;
        std::string previous;
        bool readWhole;
    } cases[] = {
        // Read whole: the new month is what does not fit.
        {"the new content", "2008/07/01\t09:00\t18:00\t\t\t\t\t大事\r\n", true},
        // Did not read whole: the copy kept before overwriting is what does not fit.
        {"the .bak copy", "2008/07/01\t" + std::string(150, 'x') + "\r\n", false},
    };
    for (const auto& c : cases) {
        WriteTestFile(m_path, c.previous);
        EXPECT_EQ(m_data.ReadMonth(), c.readWhole) << c.what;
        m_data.m_remarks[0] = std::string(150, 'y');
        const std::optional<bool> saved =
            RunInChildProcess([] { return LimitFileSize(100); }, [&] { return m_data.SaveMonth(); });
        EXPECT_EQ(saved, std::optional<bool>(false)) << c.what;
        ExpectPreviousFileAlone(c.previous, c.what);
    }
}

TEST_F(TimeCardFileFaultTest, ASaveOverAFileTheUserMayNotWriteFailsAndLeavesIt)
{
    using std::filesystem::perms;
    const struct {
        const char* what;
        perms file;
        perms folder;
    } cases[] = {
        {"read-only file", perms(0444), perms(0777)},
        {"read-only folder", perms(0666), perms(0555)},
    };
    const std::string previous = "2008/07/01\t09:00\t18:00\t\t\t\t\t締め済み\r\n";
    for (const auto& c : cases) {
        WriteTestFile(m_path, previous);
        ASSERT_TRUE(m_data.ReadMonth());
        m_data.m_clockIn[0] = "08:00";
        SetTestPermissions(m_path, c.file);
        SetTestPermissions(m_folder, c.folder);
        const std::optional<bool> saved = RunInChildProcess(DropRootRights, [&] { return m_data.SaveMonth(); });
        EXPECT_EQ(saved, std::optional<bool>(false)) << c.what;
        ExpectPreviousFileAlone(previous, c.what);
        SetTestPermissions(m_folder, perms(0777));  // so that the folder can be cleared, root or not
    }
}
