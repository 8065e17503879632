#include "core/conversion.h"
#include "platform/posix/lz_file_copier.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace kalvex::testing {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// An SZDD file: header, then LZSS data whose flag bits (low bit first) mark literals (1) and
// window references (0). The window starts at 4096 - 16.
std::string Szdd(std::string_view data, std::uint32_t expandedSize)
{
    std::string file("SZDD\x88\xF0\x27\x33", 8);
    file += 'A';
    file += '_';
    for (int i = 0; i < 4; ++i)
        file += char((expandedSize >> (8 * i)) & 0xFF);
    file += data;
    return file;
}

class LzFileCopierTest : public ::testing::Test {
protected:
    TempFolder folder;
    LzFileCopier copier;
};

TEST_F(LzFileCopierTest, ExpandsSzddFiles)
{
    // "ab" as literals, then three bytes from window position 0xFF0: "aba".
    const std::string compressed = Szdd(std::string("\x03"
                                                    "ab"
                                                    "\xF0\xF0",
                                                    5),
                                        5);
    folder.Write("DIST.FS_", compressed);
    ASSERT_TRUE(copier.Copy(folder.Path() / "DIST.FS_", folder.Path() / "Dist.fsf", kMaxFactorFileSize));
    EXPECT_EQ(ReadFile(folder.Path() / "Dist.fsf"), "ababa");
}

TEST_F(LzFileCopierTest, CopiesOtherFilesUnchangedAndReplacesTheDestination)
{
    const std::string bytes("\x06"
                            "Custom\0\xFF SZDD",
                            15);
    folder.Write("a.fsf", bytes);
    folder.Write("b.fsf", "old content that is longer");
    ASSERT_TRUE(copier.Copy(folder.Path() / "a.fsf", folder.Path() / "b.fsf", kMaxFactorFileSize));
    EXPECT_EQ(ReadFile(folder.Path() / "b.fsf"), bytes);
    folder.Write("empty", "");
    ASSERT_TRUE(copier.Copy(folder.Path() / "empty", folder.Path() / "c.fsf", kMaxFactorFileSize));
    EXPECT_EQ(fs::file_size(folder.Path() / "c.fsf"), 0u);
}

TEST_F(LzFileCopierTest, NeverWritesThroughALinkAtTheDestination)
{
    folder.Write("target", "keep me");
    folder.Write("a.fsf", "new");
    fs::create_symlink(folder.Path() / "target", folder.Path() / "b.fsf");
    ASSERT_TRUE(copier.Copy(folder.Path() / "a.fsf", folder.Path() / "b.fsf", kMaxFactorFileSize));
    EXPECT_EQ(ReadFile(folder.Path() / "target"), "keep me");
    EXPECT_FALSE(fs::is_symlink(folder.Path() / "b.fsf"));
    EXPECT_EQ(ReadFile(folder.Path() / "b.fsf"), "new");
}

TEST_F(LzFileCopierTest, FailuresLeaveNothingBehind)
{
    folder.Write("b.fsf", "old");
    EXPECT_FALSE(copier.Copy(folder.Path() / "missing.fsf", folder.Path() / "b.fsf", kMaxFactorFileSize));
    EXPECT_EQ(ReadFile(folder.Path() / "b.fsf"), "old");
    folder.Write("bad.FS_", std::string("SZDD\x88\xF0\x27\x33", 8)); // header cut short
    EXPECT_FALSE(copier.Copy(folder.Path() / "bad.FS_", folder.Path() / "b.fsf", kMaxFactorFileSize));
    EXPECT_EQ(ReadFile(folder.Path() / "b.fsf"), "old");
    EXPECT_FALSE(
        copier.Copy(folder.Path() / "b.fsf", folder.Path() / "no such folder" / "b.fsf", kMaxFactorFileSize));
    int entries = 0;
    for (auto it = fs::directory_iterator(folder.Path()); it != fs::directory_iterator(); ++it)
        ++entries;
    EXPECT_EQ(entries, 2);
}

// A FIFO would block the copy for good, /dev/zero would fill the disk, a sparse file the memory.
TEST_F(LzFileCopierTest, SpecialAndOversizedSourcesAreRefusedAtOnce)
{
    ASSERT_TRUE(MakeFifo(folder.Path() / "fifo.fsf"));
    fs::create_symlink("/dev/zero", folder.Path() / "zero.fsf");
    MakeSparse(folder.Path() / "sparse.fsf", kMaxFactorFileSize + 1);
    for (const char* name : {"fifo.fsf", "zero.fsf", "sparse.fsf"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(copier.Copy(folder.Path() / name, folder.Path() / "copy.fsf", kMaxFactorFileSize));
        EXPECT_FALSE(fs::exists(folder.Path() / "copy.fsf"));
    }
}

TEST_F(LzFileCopierTest, ExpansionBeyondTheCapIsRefused)
{
    // "ab" as literals, then eight references of 18 bytes each (six under the first flag byte,
    // two under the next): 146 bytes expanded.
    const std::string reference("\xF0\xFF", 2);
    std::string data("\x03"
                     "ab",
                     3);
    for (int i = 0; i < 8; ++i)
        data += (i == 6 ? std::string(1, '\0') : std::string()) + reference;
    const std::string compressed = Szdd(data, 146);
    EXPECT_EQ(ExpandSzdd(compressed, 146).value_or("").size(), 146u);
    EXPECT_FALSE(ExpandSzdd(compressed, 145));

    folder.Write("DIST.FS_", compressed);
    EXPECT_FALSE(copier.Copy(folder.Path() / "DIST.FS_", folder.Path() / "Dist.fsf", 100));
    EXPECT_FALSE(fs::exists(folder.Path() / "Dist.fsf"));
}

} // namespace
} // namespace kalvex::testing
