#include "core/group_ids.h"
#include "storage/factor_file.h"
#include "storage/inventory_check.h"
#include "storage/legacy_import.h"
#include "storage_fixture.h"

#include <cstdio>
#include <filesystem>

namespace kalvex::testing {
namespace {

namespace fs = std::filesystem;

std::string Exact(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

class LegacyImportTest : public StorageTest {
protected:
    CConversion Load(const std::string& tag) const
    {
        CConversion group;
        EXPECT_TRUE(LoadFactorFile(FactorFile(tag), group));
        return group;
    }

    // An older version's Distance group: 25 units "unit n,un" with unit n worth n meters,
    // written as 24 rows of which row 3 is short.
    void WriteDistanceFiles(const std::string& version)
    {
        std::vector<std::string> groups{"ConvVersion=" + version,
                                        "DistCount=25",
                                        "DistUnitMap=3,1,2",
                                        "Conv02Name=Old distances",
                                        "MonyUpdateDate=12/31/1993 and some more",
                                        "NumCust=1",
                                        "NumActCust=1"};
        std::vector<std::string> rows;
        for (int n = 1; n <= 25; ++n)
            groups.push_back("DistUnit" + std::to_string(n) + "=unit " + std::to_string(n) + ",u" +
                             std::to_string(n));
        for (int j = 1; j < 25; ++j) {
            std::string row;
            for (int k = 0; k < (j == 3 ? 1 : j); ++k)
                row += (k ? "," : "") + Exact(double(k + 1) / double(j + 1));
            rows.push_back("DistRow" + std::to_string(j) + "=" + row);
        }
        WriteLegacy("kalvo.ini", groups);
        WriteLegacy("convfac.ini", rows);
    }
};

TEST_F(LegacyImportTest, AStandardGroupIsWrittenFromTheOldValues)
{
    WriteDistanceFiles("3.5");
    ImportStandardGroup(app, 4104, progress, unsaved);
    const CConversion group = Load("Dist");
    EXPECT_EQ(group.m_name, "Old distances");
    EXPECT_EQ(group.m_description, "inches, feet, meters, light years...");
    EXPECT_EQ(group.m_unitCount, 25);
    EXPECT_EQ(group.m_shownCount, 3);
    EXPECT_EQ(group.m_unitOrder[0], 3);
    EXPECT_EQ(group.m_units[24], "unit 25,u25");
    EXPECT_EQ(group.m_updateDate, "Unknown");
    EXPECT_DOUBLE_EQ(group.m_factors[2][1], 2.0 / 3.0);
    // Row 3 gave only its first entry; the rest came through the first unit.
    EXPECT_DOUBLE_EQ(group.m_factors[3][2], 3.0 / 4.0);
    EXPECT_DOUBLE_EQ(group.m_factors[1][3], 4.0 / 2.0);
    EXPECT_EQ(progress.lines, std::vector<std::string>{"Distance conversions being added."});
    EXPECT_FALSE(settings.Has("Settings", "Conv02"));
}

TEST_F(LegacyImportTest, TheMoneyDateIsCutToFifteenCharacters)
{
    WriteLegacy("kalvo.ini", {"MonyCount=2", "MonyUnit1=dollar,$", "MonyUnit2=pound,\xA3",
                              "MonyUpdateDate=12/31/1993 and some more"});
    WriteLegacy("convfac.ini", {"MonyRow1=0.5"});
    ImportStandardGroup(app, 4116, progress, unsaved);
    const CConversion money = Load("Mony");
    EXPECT_EQ(money.m_updateDate, "12/31/1993 and ");
    EXPECT_EQ(money.m_units[1], "pound,\u00a3"); // Windows-1252 in the old file
    EXPECT_EQ(money.m_name, "Money");
    EXPECT_EQ(money.m_factors[0][1], 2.0);
}

TEST_F(LegacyImportTest, ACustomGroupWithoutOrderShowsAllItsUnits)
{
    std::vector<std::string> units{"Cust01Count=18"};
    for (int n = 1; n <= 18; ++n)
        units.push_back("Cust01Unit" + std::to_string(n) + "=u" + std::to_string(n) + ",u");
    WriteLegacy("convcust.ini", units);
    WriteLegacy("convcusf.ini", {"Cust01Row1=2"});
    ImportCustomGroups(app, 2, progress, unsaved);
    const CConversion first = Load("Cust01");
    EXPECT_EQ(first.m_shownCount, 18);
    EXPECT_EQ(first.m_unitOrder[17], 18);
    EXPECT_EQ(first.m_name, "Custom01");
    EXPECT_EQ(first.m_description, "My own group of conversions.");
    EXPECT_EQ(first.m_factors[1][0], 2.0);
    EXPECT_EQ(first.m_factors[2][1], 0.0); // nothing relates unit 3 yet
    // Written as the old files give it, with no units: no usable group, which the next check
    // reports and keeps aside.
    CConversion second;
    EXPECT_EQ(ReadFactorFile(FactorFile("Cust02"), second), LoadStatus::Damaged);
    EXPECT_EQ(progress.lines, std::vector<std::string>{"Custom conversions being added."});
}

TEST_F(LegacyImportTest, TheCheckImportsFromAVersion35Installation)
{
    WriteDistanceFiles("3.5");
    WriteLegacy("convcust.ini", {"Cust01Count=2", "Cust01Unit1=a,a", "Cust01Unit2=b,b", "Cust01Name=Mine"});
    WriteLegacy("convcusf.ini", {"Cust01Row1=4"});
    settings.WriteInt("Settings", "Conv02", 0);
    CheckGroupInventory(app, progress);
    EXPECT_EQ(Load("Dist").m_name, "Old distances");
    EXPECT_EQ(Setting("Conv02"), 0);         // an import leaves the enabled flag alone
    EXPECT_EQ(Load("Mass").m_unitCount, 18); // not listed in the old files: built
    EXPECT_EQ(Setting("Conv03"), 1);
    EXPECT_EQ(Load("Cust01").m_name, "Mine");
    EXPECT_EQ(Setting("NumCust"), 1);
    EXPECT_EQ(Setting("NumActCust"), 1);
    EXPECT_EQ(Setting("NumStd"), 15);
    EXPECT_EQ(settings.ReadString("Settings", "ConvVersion", ""), "3.5.2");
    EXPECT_EQ(app.m_enabledCount, 16);
}

TEST_F(LegacyImportTest, AVersion2InstallationIsBuiltFromTheTables)
{
    WriteDistanceFiles("2.1");
    CheckGroupInventory(app, progress);
    EXPECT_EQ(Load("Dist").m_name, "Distance");
    EXPECT_EQ(Load("Dist").m_unitCount, 25);
    EXPECT_FALSE(fs::exists(FactorFile("Cust01")));
    EXPECT_FALSE(settings.Has("Settings", "NumCust") && Setting("NumCust") != 0);
}

TEST_F(LegacyImportTest, AGroupListedWithoutUnitsIsBuiltEvenOnCurrentOldFiles)
{
    // The component test would keep such a group, but with legacy settings there is no file
    // to keep.
    WriteLegacy("kalvo.ini", {"ConvVersion=3.5.2", "DistCount=1"});
    CheckGroupInventory(app, progress);
    EXPECT_EQ(Load("Dist").m_unitCount, 25);
    EXPECT_EQ(Load("Acce").m_unitCount, 6);
}

} // namespace
} // namespace kalvex::testing
