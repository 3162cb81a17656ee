#include "platform/file_system.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/temp_folder.h"

TEST(FileSystem, TellsWhetherAnEntryExists)
{
    CTempFolder temp;
    EXPECT_TRUE(PathExists(temp.Path()));
    EXPECT_FALSE(PathExists(temp / "missing"));
    EXPECT_FALSE(PathExists(""));
    WriteTestFile(temp / "file", "x");
    EXPECT_TRUE(PathExists(temp / "file"));
}

TEST(FileSystem, CreatesAFolderOnlyOnce)
{
    CTempFolder temp;
    EXPECT_TRUE(CreateFolder(temp / "data"));
    EXPECT_TRUE(PathExists(temp / "data"));
    EXPECT_FALSE(CreateFolder(temp / "data"));
    EXPECT_FALSE(CreateFolder(temp / "missing\\data"));
}

TEST(FileSystem, HandlesFolderNamesEndingInADoubleByteBackslash)
{
    // The second byte of "表" is 0x5C: a separator-blind path split would break this name.
    CTempFolder temp;
    const std::string folder = temp / "勤務表";
    ASSERT_TRUE(CreateFolder(folder));
    ASSERT_TRUE(AppendToFile(folder + "\\0701.log", "0900A\r\n"));
    std::string contents;
    ASSERT_TRUE(ReadFileExclusive(folder + "\\0701.log", contents));
    EXPECT_EQ(contents, "0900A\r\n");
    EXPECT_EQ(ReadTestFile(folder + "\\0701.log"), "0900A\r\n");
}

TEST(FileSystem, AppendsAtTheEndAndCreatesTheFile)
{
    CTempFolder temp;
    const std::string path = temp / "0701.log";
    ASSERT_TRUE(AppendToFile(path, "0900A\r\n"));
    ASSERT_TRUE(AppendToFile(path, "0905S\r\n"));
    EXPECT_EQ(ReadTestFile(path), "0900A\r\n0905S\r\n");
}

TEST(FileSystem, AppendFailsWhereAFolderHasTheFilesName)
{
    CTempFolder temp;
    ASSERT_TRUE(CreateFolder(temp / "0701.log"));
    EXPECT_FALSE(AppendToFile(temp / "0701.log", "0900A\r\n"));
}

TEST(FileSystem, ExclusiveReadReadsWholeFileAndNeedsAnExistingOne)
{
    CTempFolder temp;
    std::string contents = "stale";
    EXPECT_FALSE(ReadFileExclusive(temp / "missing.log", contents));
    EXPECT_FALSE(PathExists(temp / "missing.log"));  // never created
    const std::string large(200000, 'x');
    WriteTestFile(temp / "large", large);
    ASSERT_TRUE(ReadFileExclusive(temp / "large", contents));
    EXPECT_EQ(contents, large);
}

TEST(FileSystem, ReplacesContentAndLeavesNoTemporaryFile)
{
    CTempFolder temp;
    const std::string path = temp / "202607.tsv";
    ASSERT_TRUE(ReplaceFileContents(path, "first\r\n"));
    EXPECT_EQ(ReadTestFile(path), "first\r\n");
    ASSERT_TRUE(ReplaceFileContents(path, "second\r\n"));
    EXPECT_EQ(ReadTestFile(path), "second\r\n");
    EXPECT_FALSE(PathExists(path + ".tmp"));
}

TEST(FileSystem, FailedReplaceLeavesNothingBehind)
{
    CTempFolder temp;
    EXPECT_FALSE(ReplaceFileContents(temp / "missing\\202607.tsv", "x"));
    // A folder where the file should be cannot be replaced by a file.
    ASSERT_TRUE(CreateFolder(temp / "202607.tsv"));
    EXPECT_FALSE(ReplaceFileContents(temp / "202607.tsv", "x"));
    EXPECT_FALSE(PathExists(temp / "202607.tsv.tmp"));
}

TEST(FileSystem, ReadsWholeFileWithOrdinarySharing)
{
    CTempFolder temp;
    std::string contents;
    EXPECT_FALSE(ReadWholeFile(temp / "missing.ini", contents));
    WriteTestFile(temp / "a.ini", "[SETTING]\r\n");
    ASSERT_TRUE(ReadWholeFile(temp / "a.ini", contents));
    EXPECT_EQ(contents, "[SETTING]\r\n");
}

TEST(FileSystem, DeletesAFile)
{
    CTempFolder temp;
    WriteTestFile(temp / "old", "x");
    EXPECT_TRUE(DeleteFilePath(temp / "old"));
    EXPECT_FALSE(PathExists(temp / "old"));
    EXPECT_FALSE(DeleteFilePath(temp / "old"));
}

TEST(FileSystem, KnowsTheExecutablesPath)
{
    const std::string path = GetExecutablePath();
    EXPECT_TRUE(PathExists(path)) << path;
    EXPECT_NE(path.find("tarvelo_tests"), std::string::npos) << path;
}

TEST(FileSystem, AppendFailsWhileAnExclusiveReaderHoldsTheFileAndSucceedsAfter)
{
    CTempFolder temp;
    const std::string path = temp / "0701.log";
    ASSERT_TRUE(AppendToFile(path, "0900A\r\n"));
    {
        CExclusiveFile reader;
        ASSERT_TRUE(reader.Open(path));
        EXPECT_FALSE(AppendToFile(path, "0905A\r\n"));
        CExclusiveFile second;
        EXPECT_FALSE(second.Open(path));
        std::string contents;
        ASSERT_TRUE(reader.ReadAll(contents));
        EXPECT_EQ(contents, "0900A\r\n");
    }
    ASSERT_TRUE(AppendToFile(path, "0906A\r\n"));
    EXPECT_EQ(ReadTestFile(path), "0900A\r\n0906A\r\n");
}

TEST(FileSystem, ListsTheFoldersInAFolder)
{
    CTempFolder temp;
    EXPECT_TRUE(ListFolderNames(temp / "missing").empty());
    ASSERT_TRUE(CreateFolder(temp / "200807"));
    ASSERT_TRUE(CreateFolder(temp / "勤務表"));
    WriteTestFile(temp / "200806", "a file, not a folder");
    std::vector<std::string> names = ListFolderNames(temp.Path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"200807", "勤務表"}));
}
