#include "core/conversion.h"
#include "storage/factor_file.h"
#include "tests/support/real_disk.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kalvex {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

const std::filesystem::path kDataDir = KALVEX_TEST_DATA_DIR;

// The custom group of the documented example: meter and foot.
CConversion WorkedExample()
{
    CConversion group;
    group.m_name = "Custom";
    group.m_description = "My own group of conversions.";
    group.m_remark = "None";
    group.m_updateDate = "Unknown";
    group.m_unitCount = 2;
    group.m_shownCount = 2;
    group.m_showAll = 0;
    group.m_digits = 6;
    group.m_scientific = 0;
    group.m_units[0] = "meter,m";
    group.m_units[1] = "foot,ft";
    group.m_factors[0][0] = 1.0;
    group.m_factors[1][1] = 1.0;
    group.m_factors[1][0] = 3.280839895;
    group.m_factors[0][1] = 1 / 3.280839895;
    group.m_unitOrder[0] = 1;
    group.m_unitOrder[1] = 2;
    return group;
}

TEST(ConversionFile, WorkedExampleIsWrittenByteForByte)
{
    TempFolder folder;
    const auto file = folder.Path() / "Cust01.fsf";
    ASSERT_TRUE(SaveFactorFile(WorkedExample(), file, testing::RealDisk()));
    const std::string written = ReadBytes(file);
    EXPECT_EQ(written.size(), 7397u);
    EXPECT_EQ(written, ReadBytes(kDataDir / "worked_example.fsf"));
}

TEST(ConversionFile, WorkedExampleLoadsEveryField)
{
    CConversion group;
    ASSERT_TRUE(LoadFactorFile(kDataDir / "worked_example.fsf", group));
    const CConversion expected = WorkedExample();
    EXPECT_EQ(group.m_name, "Custom");
    EXPECT_EQ(group.m_description, expected.m_description);
    EXPECT_EQ(group.m_remark, "None");
    EXPECT_EQ(group.m_updateDate, "Unknown");
    EXPECT_EQ(group.m_unitCount, 2);
    EXPECT_EQ(group.m_shownCount, 2);
    EXPECT_EQ(group.m_digits, 6);
    EXPECT_EQ(group.m_units, expected.m_units);
    EXPECT_EQ(group.m_factors, expected.m_factors);
    EXPECT_EQ(group.m_unitOrder, expected.m_unitOrder);
}

TEST(ConversionFile, Windows1252LettersBecomeUtf8AndAreWrittenBackUnchanged)
{
    const auto fixture = kDataDir / "cp1252_letters.fsf";
    CConversion group;
    ASSERT_TRUE(LoadFactorFile(fixture, group));
    EXPECT_EQ(group.m_description, "Letters beyond ASCII: Å µ ² ³ ° · £ €");
    EXPECT_EQ(group.m_units[0], "Ångström,Å");
    EXPECT_EQ(UnitSymbol(group.m_units[1]), "µm");
    EXPECT_EQ(group.m_unitOrder[0], 3);

    TempFolder folder;
    ASSERT_TRUE(SaveFactorFile(group, folder.Path() / "copy.fsf", testing::RealDisk()));
    EXPECT_EQ(ReadBytes(folder.Path() / "copy.fsf"), ReadBytes(fixture));
}

TEST(ConversionFile, EveryByteValueSurvivesLoadAndSave)
{
    std::string allBytes;
    for (int b = 0; b < 256; ++b)
        allBytes += static_cast<char>(b);
    std::string image = WorkedExample().Serialize();
    // Replace the name "Custom" (prefix 06) by all 256 byte values (prefix ff 00 01).
    image.replace(0, 7, std::string("\xFF\x00\x01", 3) + allBytes);

    CConversion group;
    ASSERT_TRUE(group.Deserialize(image));
    EXPECT_EQ(group.Serialize(), image);
}

TEST(ConversionFile, TextWindows1252CannotHoldIsWrittenWideAndReadBack)
{
    CConversion group = WorkedExample();
    group.m_name = "Ωmega 😀";
    const std::string image = group.Serialize();
    // 0xFF, the wide marker 0xFFFE, eight UTF-16 units (the emoji takes two).
    ASSERT_GE(image.size(), 4u + 16u);
    EXPECT_EQ(image.substr(0, 6), std::string("\xFF\xFE\xFF\x08\xA9\x03", 6));

    CConversion loaded;
    ASSERT_TRUE(loaded.Deserialize(image));
    EXPECT_EQ(loaded.m_name, "Ωmega 😀");
    EXPECT_EQ(loaded.Serialize(), image);
}

TEST(ConversionFile, WideTextOfAnotherWriterIsRead)
{
    std::string image = WorkedExample().Serialize();
    // "Custom" as wide text: 0xFF, 0xFFFE, length 6, UTF-16LE.
    image.replace(0, 7,
                  std::string("\xFF\xFE\xFF\x06"
                              "C\0u\0s\0t\0o\0m\0",
                              16));
    CConversion group;
    ASSERT_TRUE(group.Deserialize(image));
    EXPECT_EQ(group.m_name, "Custom");
    EXPECT_EQ(group.m_units[1], "foot,ft");
}

TEST(ConversionFile, LengthPrefixesGrowWithTheText)
{
    CConversion group;
    group.m_unitCount = 2;
    group.m_units[0] = std::string(255, 'u');
    std::string image = group.Serialize();
    // Four empty texts, five u16 fields, then the unit entry's three-byte prefix.
    EXPECT_EQ(image.substr(14, 3), std::string("\xFF\xFF\x00", 3));

    group.m_units[0] = std::string(65533, 'u');
    CConversion loaded;
    ASSERT_TRUE(loaded.Deserialize(group.Serialize()));
    EXPECT_EQ(loaded.m_units[0].size(), 65533u);

    // Longer texts are written in the long form but never read back: no program file holds
    // one, and the bound keeps the largest factor file small.
    group.m_units[0] = std::string(65534, 'u');
    image = group.Serialize();
    EXPECT_EQ(image.substr(14, 7), std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7));
    EXPECT_FALSE(loaded.Deserialize(image));
}

TEST(ConversionFile, GroupWithoutUnitsStillWritesAllRowsAndTheOrder)
{
    CConversion group;
    const std::string image = group.Serialize();
    EXPECT_EQ(image.size(), 4u + 7332u);

    // Such a file is no usable group: fewer than two units is damaged.
    CConversion loaded;
    EXPECT_FALSE(loaded.Deserialize(image));
    EXPECT_EQ(loaded.m_unitCount, 0);
}

TEST(ConversionFile, CountsBeyondTheRecordAreNotWrittenIntoAFileThatCannotLoad)
{
    CConversion group = WorkedExample();
    group.m_unitCount = 40;
    group.m_shownCount = 50;
    CConversion loaded;
    ASSERT_TRUE(loaded.Deserialize(group.Serialize()));
    EXPECT_EQ(loaded.m_unitCount, 30);
    EXPECT_EQ(loaded.m_shownCount, 30);
}

TEST(ConversionFile, MissingFileGivesFalseAndAnEmptyMatrix)
{
    CConversion group = WorkedExample();
    group.m_factors[5][7] = 2.0;
    TempFolder folder;
    EXPECT_FALSE(LoadFactorFile(folder.Path() / "Dist.fsf", group));
    EXPECT_EQ(group.m_unitCount, 0);
    EXPECT_EQ(group.m_shownCount, 0);
    FactorMatrix expected{};
    expected[0][0] = 1.0;
    EXPECT_EQ(group.m_factors, expected);
    EXPECT_FALSE(LoadFactorFile(folder.Path(), group)); // a folder is no factor file
}

TEST(ConversionFile, SaveReplacesTheWholeOldFileAndLeavesNoTemporaryFile)
{
    TempFolder folder;
    const auto file = folder.Path() / "Cust01.fsf";
    WriteBytes(file, std::string(20000, 'x'));
    ASSERT_TRUE(SaveFactorFile(WorkedExample(), file, testing::RealDisk()));
    EXPECT_EQ(ReadBytes(file), ReadBytes(kDataDir / "worked_example.fsf"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(ConversionFile, FailedSaveReportsFalseAndKeepsWhatWasThere)
{
    TempFolder folder;
    // A folder in place of the file cannot be replaced.
    const auto occupied = folder.Path() / "Dist.fsf";
    std::filesystem::create_directory(occupied);
    WriteBytes(occupied / "inside", "kept");
    EXPECT_FALSE(SaveFactorFile(WorkedExample(), occupied, testing::RealDisk()));
    EXPECT_EQ(ReadBytes(occupied / "inside"), "kept");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);

    EXPECT_FALSE(
        SaveFactorFile(WorkedExample(), folder.Path() / "no such folder" / "Dist.fsf", testing::RealDisk()));
}

TEST(UnitEntry, SplitsAtCommasSkippingEmptyPieces)
{
    EXPECT_EQ(UnitName("meter,m"), "meter");
    EXPECT_EQ(UnitSymbol("meter,m"), "m");
    EXPECT_EQ(UnitName(",,foot,,ft,"), "foot");
    EXPECT_EQ(UnitSymbol(",,foot,,ft,"), "ft");
    EXPECT_EQ(UnitName("plain"), "plain");
    EXPECT_EQ(UnitSymbol("plain"), "");
    EXPECT_EQ(UnitName(""), "");
}

} // namespace
} // namespace kalvex
