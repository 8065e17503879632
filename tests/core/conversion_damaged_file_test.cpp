#include "core/conversion.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace kalvex {
namespace {

const std::filesystem::path kDataDir = KALVEX_TEST_DATA_DIR;

// Offsets in the worked example: 49 bytes of texts, 10 of counts and flags, 16 of unit
// entries, 30 rows of 242 bytes, then the order.
constexpr std::size_t kCountsOffset = 49;
constexpr std::size_t kRowsOffset = 49 + 10 + 16;
constexpr std::size_t kOrderOffset = kRowsOffset + 30 * 242;

std::string Example()
{
    return testing::ReadBytes(kDataDir / "worked_example.fsf");
}

std::string WithU16(std::string image, std::size_t offset, std::uint16_t value)
{
    image[offset] = static_cast<char>(value & 0xFF);
    image[offset + 1] = static_cast<char>(value >> 8);
    return image;
}

void ExpectRefused(const std::string& image)
{
    CConversion group;
    group.m_unitCount = 7;
    group.m_shownCount = 7;
    EXPECT_FALSE(group.Deserialize(image));
    EXPECT_EQ(group.m_unitCount, 0);
    EXPECT_EQ(group.m_shownCount, 0);
}

TEST(DamagedFactorFile, EndingAnywhereBeforeTheUnitOrderIsRefused)
{
    const std::string image = Example();
    for (std::size_t length = 0; length < kOrderOffset + 2; ++length) {
        SCOPED_TRACE(length);
        ExpectRefused(image.substr(0, length));
    }
}

TEST(DamagedFactorFile, EndingInsideTheUnitOrderLoadsWithTheMissingWordsZero)
{
    const std::string image = Example();
    CConversion group;
    // The first word whole, the low byte of the second.
    ASSERT_TRUE(group.Deserialize(image.substr(0, kOrderOffset + 2 + 3)));
    EXPECT_EQ(group.m_unitCount, 2);
    EXPECT_EQ(group.m_unitOrder[0], 1);
    EXPECT_EQ(group.m_unitOrder[1], 2);
    EXPECT_EQ(group.m_unitOrder[2], 0);

    ASSERT_TRUE(group.Deserialize(image.substr(0, kOrderOffset + 2)));
    EXPECT_EQ(group.m_unitOrder[0], 0);
}

struct DamagedCount {
    const char* what;
    std::size_t offset;
    std::uint16_t value;
};

class CountBeyondTheRecord : public ::testing::TestWithParam<DamagedCount> {};

TEST_P(CountBeyondTheRecord, IsRefused)
{
    ExpectRefused(WithU16(Example(), GetParam().offset, GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(FactorFile, CountBeyondTheRecord,
                         ::testing::Values(DamagedCount{"unit count", kCountsOffset, 31},
                                           DamagedCount{"shown count", kCountsOffset + 2, 31},
                                           DamagedCount{"row length", kRowsOffset + 242 * 4, 31},
                                           DamagedCount{"order length", kOrderOffset, 31},
                                           DamagedCount{"unit entry longer than the file", kCountsOffset + 10,
                                                        0xFFFF}),
                         [](const auto& info) {
                             std::string name = info.param.what;
                             std::erase(name, ' ');
                             return name;
                         });

TEST(DamagedFactorFile, HugeTextLengthIsRefused)
{
    std::string image = Example();
    // The name announced as 4 GB long.
    image.replace(0, 1, std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 7));
    ExpectRefused(image);
    // Wide text of 2 GB characters.
    image = Example();
    image.replace(0, 1, std::string("\xFF\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 10));
    ExpectRefused(image);
}

TEST(DamagedFactorFile, RowLengthInTheLongFormIsCheckedLikeAnyOther)
{
    std::string image = Example();
    image.replace(kRowsOffset, 2, std::string("\xFF\xFF\x1E\x00\x00\x00", 6));
    CConversion group;
    EXPECT_TRUE(group.Deserialize(image));
    image[kRowsOffset + 2] = 31;
    ExpectRefused(image);
}

TEST(DamagedFactorFile, RowOfAUnitInUseThatDoesNotCoverEveryUnitIsRefused)
{
    // Row 1 shortened to its first entry (3.280839895).
    std::string image = Example();
    const std::size_t row1 = kRowsOffset + 242;
    image.erase(row1 + 2 + 8, 29 * 8);
    ExpectRefused(WithU16(image, row1, 1));

    image = Example();
    image.erase(kRowsOffset + 2, 240);
    ExpectRefused(WithU16(image, kRowsOffset, 0));
}

TEST(DamagedFactorFile, ShortRowsOfUnitsNotInUseAndAShortOrderAreTakenAsFarAsTheyGo)
{
    // Row 2 (no unit of the example) emptied, the order cut to one word.
    std::string image = Example();
    const std::size_t row2 = kRowsOffset + 2 * 242;
    image.erase(row2 + 2, 240);
    image = WithU16(image, row2, 0);
    const std::size_t order = kOrderOffset - 240;
    image.erase(order + 4);
    image = WithU16(image, order, 1);

    CConversion group;
    group.m_factors[2][2] = 9.0;
    ASSERT_TRUE(group.Deserialize(image));
    EXPECT_EQ(group.m_factors[1][0], 3.280839895);
    EXPECT_EQ(group.m_factors[2][2], 0.0);
    EXPECT_EQ(group.m_unitOrder[0], 1);
    EXPECT_EQ(group.m_unitOrder[1], 0);
}

TEST(DamagedFactorFile, ZeroFilledFilesAndGroupsOfFewerThanTwoUnitsAreRefused)
{
    for (std::size_t size : {std::size_t(0), std::size_t(7336), std::size_t(7407), std::size_t(16384)}) {
        SCOPED_TRACE(size);
        ExpectRefused(std::string(size, '\0'));
    }
    ExpectRefused(WithU16(Example(), kCountsOffset, 1));
}

} // namespace
} // namespace kalvex
