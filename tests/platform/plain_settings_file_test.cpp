// The settings file read without the toolkit must read every value as the toolkit's store does,
// or decline the file; and it must not decline the files the program writes itself.
#include "platform/posix/plain_settings_file.h"
#include "platform/qt/qsettings_store.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

namespace kalvex::testing {
namespace {

struct FileRow {
    const char* text;
    bool readPlainly;
};

void PrintTo(const FileRow& row, std::ostream* out)
{
    // One line of plain characters, as test names are listed.
    for (const char c : std::string_view(row.text))
        *out << (c == '\n' ? '|' : c >= ' ' && c <= '~' ? c : '?');
}

class PlainSettings : public ::testing::TestWithParam<FileRow> {};

TEST_P(PlainSettings, ReadsAsTheToolkitDoesOrDeclines)
{
    TempFolder folder;
    folder.Write("Kalvex!.conf", GetParam().text);
    const std::filesystem::path file = folder.Path() / "Kalvex!.conf";
    const std::optional<PlainSettingsFile> plain = PlainSettingsFile::Read(file);
    ASSERT_EQ(plain.has_value(), GetParam().readPlainly);
    if (!plain)
        return;
    const QSettingsStore toolkit(QString::fromStdString(file.string()));
    EXPECT_EQ(plain->ReadString("Settings", "ConvFilePath", "-"),
              toolkit.ReadString("Settings", "ConvFilePath", "-"));
    for (const char* key : {"NumCust", "NumDigits", "Scientific", "Missing"})
        EXPECT_EQ(plain->ReadInt("Settings", key, 42), toolkit.ReadInt("Settings", key, 42)) << key;
    EXPECT_EQ(plain->ReadInt("Frame", "Top", 42), toolkit.ReadInt("Frame", "Top", 42));
}

INSTANTIATE_TEST_SUITE_P(
    Files, PlainSettings,
    ::testing::Values(
        // As the program writes them.
        FileRow{"", true},
        FileRow{"[Frame]\nTop=-12\n\n[Settings]\nConvFilePath=/home/u/Kalvex 50%/\nNumCust=3\nScientific=1\n",
                true},
        // Numbers the toolkit reads in its own way: signs, spaces, line ends, out of range, no number.
        FileRow{"[Settings]\r\nNumCust=+3\r\nNumDigits = 007 \r\nScientific=99999999999\r\n", true},
        FileRow{"[Settings]\nNumCust=-+3\nNumDigits=1.5\nScientific=\nConvFilePath=a=b#c\n", true},
        // Quoted, escaped, listed, commented, variant, beyond ASCII: the toolkit's to read.
        FileRow{"[Settings]\nConvFilePath=\"/a b;c/\"\n", false},
        FileRow{"[Settings]\nConvFilePath=/a,b/\n", false},
        FileRow{"[Settings]\nConvFilePath=/x/ ;note\n", false},
        FileRow{"[Settings]\nConvFilePath=@@x\n", false},
        FileRow{"[Settings]\nConvFilePath=C:\\\\x\n", false},
        FileRow{"[Settings]\nConvFilePath=/home/j\xc3\xbcrgen/\n", false},
        FileRow{"[Settings]\nNumCust=\t3\n", false},
        // Keys outside a section, in the general one, twice, or with names the toolkit decodes.
        FileRow{"NumCust=1\n[Settings]\n", false}, FileRow{"[general]\nNumCust=1\n", false},
        FileRow{"[Settings]\nNumCust=1\nNumCust=2\n", false},
        FileRow{"[Settings]\nNumCust=1\n[Frame]\nTop=1\n[Settings]\nScientific=1\n", false},
        FileRow{"[Settings]\nNum%43ust=1\n", false}, FileRow{"[Settings/Sub]\nNumCust=1\n", false},
        FileRow{"\xef\xbb\xbf[Settings]\nNumCust=1\n", false}));

TEST(PlainSettingsFile, ReadsNoFileAsEmptyAndDeclinesWhatIsNoFile)
{
    TempFolder folder;
    const std::optional<PlainSettingsFile> missing = PlainSettingsFile::Read(folder.Path() / "none.conf");
    ASSERT_TRUE(missing.has_value());
    EXPECT_EQ(missing->ReadInt("Settings", "NumCust", 42), 42);
    EXPECT_FALSE(PlainSettingsFile::Read(folder.Path()).has_value());
    folder.Write("huge.conf", "[Settings]\nNumCust=1\n" + std::string(QSettingsStore::kMaxFileSize, '\n'));
    EXPECT_FALSE(PlainSettingsFile::Read(folder.Path() / "huge.conf").has_value());
}

} // namespace
} // namespace kalvex::testing
