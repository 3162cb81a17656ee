// Windows only: an append cut short by a full disk. Windows code cannot fill a disk by itself; the
// ctest entry FileSystemOnAFullDisk.UnderWine (platform/CMakeLists.txt) runs this test under Wine
// with a file-size limit and names the limit in TARVELO_FILE_SIZE_LIMIT.
#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/temp_folder.h"

TEST(FileSystemOnAFullDisk, AnAppendThatDoesNotFitLeavesNoPartOfItsBytes)
{
    const char* limit = std::getenv("TARVELO_FILE_SIZE_LIMIT");
    if (limit == nullptr)
        GTEST_SKIP() << "runs only under the file-size limit of FileSystemOnAFullDisk.UnderWine";
    CTempFolder temp;
    const std::string path = temp / "0701.log";
    // Room for three more bytes: the next line's write stops part-way, then fails.
    const std::string log(std::strtoul(limit, nullptr, 10) - 3, 'x');
    WriteTestFile(path, log);
    EXPECT_FALSE(AppendToFile(path, "0905A\r\n"));
    const std::string after = ReadTestFile(path);
    EXPECT_EQ(after.size(), log.size()) << "the file ends in " << after.substr(log.size() - 2);
    EXPECT_TRUE(after == log);
}
