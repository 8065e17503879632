// Every factor of the library groups checked against the units' definitions (the table beside
// this file), and every file of the library checked by one of its rows.
#include "core/conversion.h"
#include "library_groups_table.h"
#include "storage/factor_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>

namespace kalvex {
namespace {

using library::LibraryGroup;

std::vector<LibraryGroup> AllGroups()
{
    std::vector<LibraryGroup> groups = library::EverydayGroups();
    std::ranges::move(library::PhysicsGroups(), std::back_inserter(groups));
    return groups;
}

class LibraryGroupTest : public ::testing::TestWithParam<LibraryGroup> {};

TEST_P(LibraryGroupTest, EveryFactorFollowsFromTheUnitsDefinitions)
{
    const LibraryGroup& expected = GetParam();
    CConversion group;
    ASSERT_TRUE(LoadFactorFile(std::string(KALVEX_LIBRARY_DIR) + "/" + expected.file, group));
    EXPECT_EQ(group.m_name, expected.name);
    ASSERT_EQ(group.m_unitCount, expected.sizes.size());
    EXPECT_EQ(group.m_shownCount, group.m_unitCount);
    for (int r = 0; r < group.m_unitCount; ++r) {
        const std::string rowSymbol = UnitSymbol(group.m_units[std::size_t(r)]);
        ASSERT_TRUE(expected.sizes.contains(rowSymbol)) << rowSymbol;
        for (int c = 0; c < group.m_unitCount; ++c) {
            const std::string columnSymbol = UnitSymbol(group.m_units[std::size_t(c)]);
            const long double oracle = expected.sizes.at(columnSymbol) / expected.sizes.at(rowSymbol);
            const double stored = group.m_factors[std::size_t(r)][std::size_t(c)];
            EXPECT_LE(std::fabs((stored - oracle) / oracle), 4e-16L)
                << rowSymbol << " per " << columnSymbol << ": " << stored << " against " << double(oracle);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Library, LibraryGroupTest, ::testing::ValuesIn(AllGroups()), [](const auto& info) {
    std::string name = info.param.name;
    std::erase_if(name, [](unsigned char c) { return !std::isalnum(c); });
    return name;
});

// A file the table misses would be installed unchecked.
TEST(LibraryFiles, EveryInstalledGroupHasItsDefinitions)
{
    const std::vector<LibraryGroup> groups = AllGroups();
    for (const auto& file : std::filesystem::directory_iterator(KALVEX_LIBRARY_DIR)) {
        const auto isFile = [&file](const LibraryGroup& group) {
            return file.path().filename() == group.file;
        };
        if (file.path().extension() == ".fsf") {
            EXPECT_TRUE(std::ranges::any_of(groups, isFile)) << file.path();
        }
    }
}

} // namespace
} // namespace kalvex
