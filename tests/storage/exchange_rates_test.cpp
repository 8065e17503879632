#include "core/group_ids.h"
#include "storage/builtin_groups.h"
#include "storage/currencies.h"
#include "storage/factor_file.h"
#include "storage/rates_update.h"
#include "storage/reference_rates.h"
#include "storage/unit_catalog.h"
#include "tests/storage/storage_fixture.h"
#include "tests/support/real_disk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace kalvex::testing {
namespace {

std::string RatesDocument(const std::string& name)
{
    return ReadBytes(std::filesystem::path(KALVEX_TEST_DATA_DIR) / "rates" / name);
}

// A day's document around the given rate elements.
std::string Document(const std::string& time, const std::string& cubes)
{
    return "<?xml version='1.0'?><e:Envelope xmlns:e='x'><Cube><Cube time='" + time + "'>" + cubes +
           "</Cube></Cube></e:Envelope>";
}

TEST(ReferenceRatesTest, ReadsTheDayAndEveryRateOfARecordedDocument)
{
    const ReferenceRatesResult result = ParseReferenceRates(RatesDocument("normal_day.xml"));
    ASSERT_TRUE(result.rates) << result.error;
    EXPECT_EQ(std::tie(result.rates->year, result.rates->month, result.rates->day), std::tuple(2026, 12, 4));
    EXPECT_EQ(result.rates->perEuro.size(), 15u);
    EXPECT_DOUBLE_EQ(result.rates->perEuro.at("USD"), 1.0523);
    EXPECT_DOUBLE_EQ(result.rates->perEuro.at("JPY"), 157.48);
}

class RejectedDocumentTest : public ::testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(RejectedDocumentTest, NamesWhatFailed)
{
    const auto& [document, expected] = GetParam();
    const ReferenceRatesResult result = ParseReferenceRates(document);
    EXPECT_FALSE(result.rates);
    EXPECT_NE(result.error.find(expected), std::string::npos) << result.error;
}

INSTANTIATE_TEST_SUITE_P(
    Documents, RejectedDocumentTest,
    ::testing::Values(
        std::pair{RatesDocument("malformed.xml"), "does not match 'Cube'"},
        std::pair{RatesDocument("negative_rate.xml"), "rate of GBP \"-0.83245\" is not a positive number"},
        std::pair{Document("2026-12-04", "<Cube currency='USD' rate='0'/>"), "USD \"0\""},
        std::pair{Document("2026-12-04", "<Cube currency='USD' rate='nan'/>"), "USD \"nan\""},
        std::pair{Document("2026-12-04", "<Cube currency='USD' rate='1.05x'/>"), "USD \"1.05x\""},
        std::pair{Document("2026-12-04", "<Cube currency='USD'/>"), "rate of USD is missing"},
        std::pair{Document("2026-12-04", "<Cube currency='usd' rate='1'/>"), "no valid currency code"},
        std::pair{Document("2026-12-04", "<Cube currency='USD' rate='1'/><Cube currency='USD' rate='2'/>"),
                  "USD twice"},
        std::pair{Document("2026-12-04", ""), "holds no rates"},
        std::pair{Document("2026-02-29", "<Cube currency='USD' rate='1'/>"), "\"2026-02-29\" is not a date"},
        std::pair{Document("2026-13-01", "<Cube currency='USD' rate='1'/>"), "is not a date"},
        std::pair{Document("+026-12-04", "<Cube currency='USD' rate='1'/>"), "is not a date"},
        std::pair{std::string("<Cube><Cube currency='USD' rate='1'/></Cube>"), "no Cube element with a time"},
        std::pair{std::string(""), "no root element"},
        std::pair{std::string("<a><b></a></b>"), "does not match"},
        std::pair{std::string("<a x=1/>"), "not quoted"},
        std::pair{std::string("<a x='1' x='2'/>"), "repeated"},
        std::pair{std::string("<a x='&ent;'/>"), "unknown entity"},
        std::pair{std::string("<!DOCTYPE a [<!ENTITY e 'x'>]><a/>"), "declarations are not accepted"},
        std::pair{std::string("<a/><b/>"), "more than one root"},
        std::pair{std::string("<a>"), "'a' is not closed"}, std::pair{std::string("<a x='1"), "not closed"},
        std::pair{std::string(kMaxRatesDocumentBytes + 1, ' '), "too large"}));

// Close to the size limit, one element of about 100,000 attributes, its first repeated last:
// read in one pass, where comparing each attribute with all before it took seconds.
TEST(ReferenceRatesTest, AnElementOfAHundredThousandAttributesIsReadInOnePass)
{
    std::string cube = "<Cube time='2026-12-04'";
    for (int i = 0; cube.size() + 64 < kMaxRatesDocumentBytes; ++i)
        cube += " a" + std::to_string(i) + "=''";
    ASSERT_GT(std::count(cube.begin(), cube.end(), '='), 99'000);
    const ReferenceRatesResult result = ParseReferenceRates(cube + " a0=''/>");
    EXPECT_NE(result.error.find("attribute 'a0' repeated"), std::string::npos) << result.error;
}

TEST(ReferenceRatesTest, TakesTheNewestDayOfAHistoryAndAcceptsPrefixesAndEntities)
{
    const std::string history = "\xEF\xBB\xBF<x:E xmlns:x='a&amp;b'><x:Cube><x:Cube time=\"2026-12-04\">"
                                "<x:Cube currency='USD' rate='1.05'/></x:Cube><x:Cube time='2026-12-03'>"
                                "<x:Cube currency='USD' rate='1.01'/></x:Cube></x:Cube></x:E>";
    const ReferenceRatesResult result = ParseReferenceRates(history);
    ASSERT_TRUE(result.rates) << result.error;
    EXPECT_EQ(result.rates->day, 4);
    EXPECT_DOUBLE_EQ(result.rates->perEuro.at("USD"), 1.05);
}

TEST(CurrencyTest, KnowsBuiltInNamesAndCodesAsSymbols)
{
    EXPECT_EQ(CurrencyCode("Canadian dollar,$ CDN"), "CAD");
    EXPECT_EQ(CurrencyCode("Italian lira,lira"), "ITL");
    EXPECT_EQ(CurrencyCode("Norwegian krone,NOK"), "NOK");
    EXPECT_EQ(CurrencyCode("Euro,€"), "EUR");
    EXPECT_EQ(CurrencyCode("gold ounce,oz"), std::nullopt);
    EXPECT_EQ(CurrencyCode("peso,Mx"), std::nullopt);
}

class MoneyUpdateTest : public StorageTest {
protected:
    MoneyUpdateTest()
    {
        CreateBuiltinGroup(app, kMoneyId, false, progress, unsaved);
        original = ReadBytes(MoneyFile());
    }
    std::string MoneyFile() const { return FactorFile("Mony"); }
    CConversion money;
    double Factor(int r, int c) const { return money.m_factors[std::size_t(r)][std::size_t(c)]; }

    RatesUpdateResult Update(const std::string& document)
    {
        EXPECT_TRUE(LoadFactorFile(MoneyFile(), money));
        return UpdateMoneyGroup(money, document, "http://127.0.0.1/rates.xml", app.m_factorPath,
                                app.services);
    }

    std::string original;
};

TEST_F(MoneyUpdateTest, SetsEveryKnownCurrencyAddsTheMissingOnesAndDatesTheGroupByTheDocument)
{
    const RatesUpdateResult result = Update(RatesDocument("normal_day.xml"));
    ASSERT_EQ(result.error, "");
    EXPECT_TRUE(result.euroAdded);
    EXPECT_TRUE(result.keptUnits.empty());
    // The document's currencies the group lacked, in the order the reference rates list them.
    EXPECT_EQ(
        result.addedUnits,
        (std::vector<std::string>{"Czech koruna,CZK", "Danish krone,DKK", "Hungarian forint,HUF",
                                  "Polish zloty,PLN", "Romanian leu,RON", "Swedish krona,SEK",
                                  "Norwegian krone,NOK", "Australian dollar,AUD", "South African rand,ZAR"}));

    CConversion saved;
    ASSERT_TRUE(LoadFactorFile(MoneyFile(), saved));
    EXPECT_EQ(saved.m_updateDate, "12/4/2026");
    EXPECT_NE(saved.m_remark.find("European Central Bank"), std::string::npos);
    ASSERT_EQ(saved.m_unitCount, 20);
    EXPECT_EQ(saved.m_units[10], "euro,€");
    EXPECT_EQ(saved.m_units[19], "South African rand,ZAR");
    // The euro joins the shown units; the others wait in the group until the user shows them.
    EXPECT_EQ(saved.m_shownCount, 11);
    EXPECT_EQ(saved.m_unitOrder[10], 11);

    const auto& m = saved.m_factors;
    const double usd = 1.0523;
    EXPECT_DOUBLE_EQ(m[2][0], 0.83245 / usd); // pounds in one dollar
    EXPECT_DOUBLE_EQ(m[1][0], 1.95583 / usd); // marks through their fixed euro rate
    EXPECT_DOUBLE_EQ(m[7][0], 1936.27 / usd); // lire
    EXPECT_DOUBLE_EQ(m[3][0], 157.48 / usd);  // yen
    EXPECT_DOUBLE_EQ(m[10][0], 1.0 / usd);    // euros
    EXPECT_DOUBLE_EQ(m[0][10], usd);
    EXPECT_NEAR(m[1][5], 1.95583 / 6.55957, 1e-15); // marks in one franc, through the dollar
    EXPECT_NEAR(m[3][2], 157.48 / 0.83245, 1e-10);  // yen in one pound
    EXPECT_NEAR(m[2][3], 0.83245 / 157.48, 1e-15);
    EXPECT_EQ(m[10][10], 1.0);
    EXPECT_DOUBLE_EQ(m[19][0], 19.0120 / usd);
    EXPECT_EQ(Setting("Mony"), 1);
    // Every pair was derived again from the new rates: M[i][k] is M[i][0] / M[k][0].
    for (int i = 0; i < saved.m_unitCount; ++i)
        for (int k = 0; k < saved.m_unitCount; ++k)
            EXPECT_NEAR(m[i][k] / (m[i][0] / m[k][0]), 1.0, 1e-15) << i << ", " << k;

    // The codes find the new units and the euro; the old units keep their signs.
    const UnitFinder finder(QueryGroups(LoadEnabledGroups(settings, app.m_factorPath)));
    for (const auto& [code, label] :
         {std::pair{"EUR", "euro (€), Money"}, std::pair{"NOK", "Norwegian krone (NOK), Money"},
          std::pair{"MXN", "Mexican peso (peso), Money"}}) {
        const FoundUnits found = finder.Find(code);
        EXPECT_TRUE(found.taken) << code;
        EXPECT_EQ(found.matches.empty() ? "" : finder.Label(found.matches.front()), label);
    }
}

TEST_F(MoneyUpdateTest, KeepsUnknownUnitsAgainstTheFirstUnitAndUpdatesCodedOnes)
{
    ASSERT_TRUE(LoadFactorFile(MoneyFile(), money));
    money.m_units[8] = "gold ounce,oz";
    money.m_units[9] = "Norwegian krone,NOK";
    money.m_units[5] = "euro,EUR";
    const double ouncesPerDollar = Factor(8, 0);
    SaveFactorFile(money, MoneyFile(), RealDisk());

    const RatesUpdateResult result = Update(RatesDocument("normal_day.xml"));
    ASSERT_EQ(result.error, "");
    EXPECT_FALSE(result.euroAdded);
    EXPECT_EQ(result.keptUnits, std::vector<std::string>{"gold ounce,oz"});
    // The peso and the franc that gave way come back as units of their own; the krone is held.
    EXPECT_EQ(result.addedUnits.size(), 10u);
    EXPECT_EQ(money.m_units[18], "Mexican peso,MXN");
    EXPECT_DOUBLE_EQ(Factor(8, 0), ouncesPerDollar);
    EXPECT_DOUBLE_EQ(Factor(9, 0), 11.7215 / 1.0523);
    EXPECT_DOUBLE_EQ(Factor(5, 0), 1 / 1.0523);
    EXPECT_NEAR(Factor(8, 2), ouncesPerDollar * 1.0523 / 0.83245, 1e-12); // ounces in one pound
}

TEST_F(MoneyUpdateTest, ANearlyFullGroupTakesTheEuroAndWhatFitsAndNamesTheRest)
{
    ASSERT_TRUE(LoadFactorFile(MoneyFile(), money));
    for (int u = 10; u < kMaxUnits - 3; ++u)
        money.m_units[std::size_t(u)] = "token " + std::to_string(u) + ",tk";
    money.m_unitCount = kMaxUnits - 3;
    SaveFactorFile(money, MoneyFile(), RealDisk());

    const RatesUpdateResult result = Update(RatesDocument("normal_day.xml"));
    ASSERT_EQ(result.error, "");
    EXPECT_TRUE(result.euroAdded);
    EXPECT_EQ(result.addedUnits, (std::vector<std::string>{"Czech koruna,CZK", "Danish krone,DKK"}));
    EXPECT_EQ(result.codesWithoutRoom,
              (std::vector<std::string>{"HUF", "PLN", "RON", "SEK", "NOK", "AUD", "ZAR"}));
    EXPECT_EQ(money.m_unitCount, kMaxUnits);
}

TEST_F(MoneyUpdateTest, EveryFailureLeavesGroupFileAndDateAlone)
{
    struct Failure {
        std::string document;
        ReplaceFault fault;
        std::string expected;
    };
    const std::string normal = RatesDocument("normal_day.xml");
    const Failure failures[] = {
        {RatesDocument("missing_usd.xml"), ReplaceFault::None, "no rate for USD"},
        {RatesDocument("malformed.xml"), ReplaceFault::None, "not well-formed"},
        {RatesDocument("negative_rate.xml"), ReplaceFault::None, "GBP"},
        {"<html>Not found</html>", ReplaceFault::None, "no Cube element"},
        {normal, ReplaceFault::DiskFull, "could not be saved to " + MoneyFile()},
        {normal, ReplaceFault::CannotCreate, "could not be saved to " + MoneyFile()},
    };
    for (const auto& [document, fault, expected] : failures) {
        replacer.fault = fault;
        const RatesUpdateResult result = Update(document);
        EXPECT_NE(result.error.find(expected), std::string::npos) << result.error;
        EXPECT_EQ(ReadBytes(MoneyFile()), original);
        EXPECT_EQ(money.Serialize(), original);
        EXPECT_EQ(money.m_updateDate, "6/13/1994");
    }
}

} // namespace
} // namespace kalvex::testing
