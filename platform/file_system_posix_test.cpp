// POSIX only: faults that need a child process of their own.
#include "platform/file_system.h"

#include <gtest/gtest.h>

#include "tests/child_process_posix.h"
#include "tests/temp_folder.h"

TEST(FileSystemOnAFullDisk, AnAppendThatDoesNotFitLeavesNoPartOfItsBytes)
{
    CTempFolder temp;
    const std::string path = temp / "0701.log";
    WriteTestFile(path, "0900A\r\n");
    // Room for three more bytes: the next line's write stops part-way, then fails.
    const std::optional<bool> appended =
        RunInChildProcess([] { return LimitFileSize(10); }, [&] { return AppendToFile(path, "0905A\r\n"); });
    EXPECT_EQ(appended, std::optional<bool>(false));
    EXPECT_EQ(ReadTestFile(path), "0900A\r\n");
    // The retry, once there is room again, writes a whole line after the whole lines.
    ASSERT_TRUE(AppendToFile(path, "0906A\r\n"));
    EXPECT_EQ(ReadTestFile(path), "0900A\r\n0906A\r\n");
}
