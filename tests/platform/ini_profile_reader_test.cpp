#include "platform/posix/ini_profile_reader.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kalvex::testing {
namespace {

class IniProfileReaderTest : public ::testing::Test {
protected:
    IniProfileReaderTest() : reader(folder.Path())
    {
        folder.Write("kalvo.ini", "; written by an older version\r\n"
                                  "[Other]\r\n"
                                  "DistCount=99\r\n"
                                  "[ Kalvexon ]\r\n"
                                  "  DistCount =  25  \r\n"
                                  "distcount=7\r\n"
                                  "DistUnit2=\xE5ngstrom,\xC5\r\n"
                                  "NumCust=-3\r\n"
                                  "Digits=12abc\r\n"
                                  "Word=abc\r\n"
                                  "Empty=\r\n"
                                  "Huge=99999999999999\r\n"
                                  "[KALVEXON]\r\n"
                                  "Later=1\r\n");
    }

    std::string Text(std::string_view key, std::size_t buffer = 640,
                     std::string_view file = "kalvo.ini") const
    {
        return reader.ReadString(file, "kalvexon", key, "dflt", buffer);
    }
    int Int(std::string_view key, std::string_view file = "kalvo.ini") const
    {
        return reader.ReadInt(file, "KalveXon", key, 42);
    }

    TempFolder folder;
    IniProfileReader reader;
};

TEST_F(IniProfileReaderTest, NamesIgnoreCaseAndTheFirstMatchWins)
{
    EXPECT_EQ(Text("DISTCOUNT"), "25");
    EXPECT_EQ(Int("distCount"), 25);
    EXPECT_EQ(Text("Later"), "dflt"); // only the first section of a name is read
    EXPECT_EQ(Int("DistUnit9"), 42);
    EXPECT_EQ(Text("DistUnit9"), "dflt");
    EXPECT_EQ(Text("Empty"), "");
}

TEST_F(IniProfileReaderTest, TextsAreCutToTheBufferAndKeepTheirBytes)
{
    EXPECT_EQ(Text("DistUnit2"), "\xE5ngstrom,\xC5");
    EXPECT_EQ(Text("DistUnit2", 4), "\xE5ng");
    EXPECT_EQ(Text("Nothing", 3), "df");
    EXPECT_EQ(Text("DistCount", 1), "");
}

TEST_F(IniProfileReaderTest, IntegersReadALeadingDecimalNumber)
{
    EXPECT_EQ(Int("NumCust"), -3);
    EXPECT_EQ(Int("Digits"), 12);
    EXPECT_EQ(Int("Word"), 0);
    EXPECT_EQ(Int("Empty"), 42);
    EXPECT_EQ(Int("Huge"), 2147483647);
}

TEST_F(IniProfileReaderTest, FilesAreFoundInTheFolderOnly)
{
    folder.Write("CONVFAC.INI", "[Kalvexon]\nDistRow1=100\n");
    EXPECT_EQ(Text("DistRow1", 640, "convfac.ini"), "100");
    EXPECT_EQ(Text("DistCount", 640, "missing.ini"), "dflt");
    EXPECT_EQ(Int("DistCount", "../kalvo.ini"), 42);
}

// Read as if absent: a FIFO would hang the start, a device or a huge file would take it over.
TEST_F(IniProfileReaderTest, SpecialAndOversizedFilesReadAsAbsent)
{
    namespace fs = std::filesystem;
    folder.Write("big.ini", "[Kalvexon]\r\nDistCount=25\r\n");
    MakeSparse(folder.Path() / "big.ini", std::uintmax_t(1) << 30);
    ASSERT_TRUE(MakeFifo(folder.Path() / "fifo.ini"));
    fs::create_symlink("/dev/zero", folder.Path() / "zero.ini");
    for (const char* file : {"big.ini", "fifo.ini", "zero.ini"}) {
        SCOPED_TRACE(file);
        EXPECT_EQ(Int("DistCount", file), 42);
        EXPECT_EQ(Text("DistCount", 640, file), "dflt");
    }
}

} // namespace
} // namespace kalvex::testing
