// Groups edited through the real launcher, group editor and conversion window, with scripted
// answers only at the platform services.
#include "launcher_fixture.h"

#include "core/group_ids.h"
#include "storage/factor_file.h"
#include "tests/support/real_disk.h"
#include "tests/ui/support/group_editor_driver.h"
#include "tests/ui/support/isolated_environment.h"
#include "ui/controls/control_id.h"
#include "ui/conversion/conversion_dlg.h"
#include "ui/editing/group_def_dlg.h"
#include "ui/editing/unit_order_dlg.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <cmath>

using namespace kalvex;
using kalvex::testing::GroupEditorDriver;
using kalvex::testing::LauncherFixture;

namespace {

constexpr int kDistance = 4104;
constexpr int kEditUnitsOffset = 49;
constexpr int kEditFactorsOffset = 149;
constexpr int kNewCustom = 3007;

// What one conversion window showed: each row's unit and its result for the value typed.
struct Rows {
    QStringList units;
    QStringList results;
};

QByteArray Bytes(const std::string& file)
{
    QFile in(QString::fromStdString(file));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// A group of n units "u1".."un", unit r being 2^r of the first, with every factor known.
CConversion PowersOfTwo(int n)
{
    CConversion group;
    group.m_name = "Powers";
    group.m_description = "halves and doubles";
    group.m_updateDate = "Unknown";
    group.m_remark = "None";
    group.m_digits = 6;
    group.m_unitCount = std::uint16_t(n);
    for (int r = 0; r < n; ++r) {
        group.m_units[std::size_t(r)] = "u" + std::to_string(r + 1) + ",s" + std::to_string(r + 1);
        for (int c = 0; c < n; ++c)
            group.m_factors[std::size_t(r)][std::size_t(c)] = std::ldexp(1.0, c - r);
    }
    return group;
}

void SetOrder(CConversion& group, std::initializer_list<int> order)
{
    group.m_unitOrder = {};
    std::size_t k = 0;
    for (int unit : order)
        group.m_unitOrder[k++] = std::uint16_t(unit);
    group.m_shownCount = std::uint16_t(order.size());
}

} // namespace

class GroupEditingScenarioTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<LauncherFixture> m_f;

    void Command(int id) { QVERIFY(m_f->view->OnCommand(id)); }
    void Store(const CConversion& group, const char* tag)
    {
        QVERIFY(SaveFactorFile(group, m_f->FactorFile(tag), kalvex::testing::RealDisk()));
    }
    std::string LastText() const
    {
        return m_f->app.messages.Last() ? m_f->app.messages.Last()->text : std::string();
    }

    // Scripts the next editor: the steps drive it, then OK is pressed.
    void EditThenAccept(std::function<void(GroupEditorDriver&)> edit)
    {
        m_f->app.dialogs.steps.push_back([edit](QDialog& dialog) {
            if (!qobject_cast<CGroupDefDlg*>(&dialog))
                return 0;
            GroupEditorDriver driver(dialog);
            edit(driver);
            driver.Click(699);
            return dialog.result();
        });
    }
    // Types a value into a conversion window and reads every row it shows.
    static Rows TypeAndRead(QDialog& dialog, const QString& value)
    {
        auto* input = FindControl<QLineEdit>(dialog, 306);
        GroupEditorDriver::Type(input, value);
        QTest::keyClick(input, Qt::Key_Return);
        Rows rows;
        for (int row = 0; FindControl(dialog, 8201 + row) && FindControl(dialog, 8201 + row)->isEnabled();
             ++row) {
            auto* unit = FindControl<QAbstractButton>(dialog, 8001 + row);
            rows.units << (unit ? unit->text() : QString());
            rows.results << FindControl<QLineEdit>(dialog, 8201 + row)->text();
        }
        return rows;
    }
    // Opens a group from the launcher and types a value into its conversion window.
    Rows Convert(int groupId, const QString& value)
    {
        Rows rows;
        m_f->app.dialogs.steps.push_back([&](QDialog& dialog) {
            if (qobject_cast<CConversionDlg*>(&dialog))
                rows = TypeAndRead(dialog, value);
            return 0;
        });
        Command(groupId);
        return rows;
    }

private slots:
    void init()
    {
        m_f = std::make_unique<LauncherFixture>();
        m_f->Show();
    }
    void cleanup()
    {

        QCOMPARE(m_f->app.messages.unexpected, 0);
        QCOMPARE(m_f->watchdog.caught, 0);
        m_f.reset();
    }

    void aNewCustomGroupStartsFromAFreshRecord()
    {
        // Another group in the current record first, with display settings of its own.
        CConversion distance;
        QVERIFY(LoadFactorFile(m_f->FactorFile("Dist"), distance));
        distance.m_digits = 9;
        distance.m_scientific = 1;
        distance.m_remark = "Distance's own";
        Store(distance, "Dist");
        bool sawOrderDialog = false;
        m_f->app.dialogs.steps.push_back([&](QDialog& dialog) {
            sawOrderDialog = qobject_cast<CUnitOrderDlg*>(&dialog) != nullptr;
            SendCommand(dialog, 700);
            return dialog.result();
        });
        Command(kDistance + kEditUnitsOffset);
        QVERIFY(sawOrderDialog);

        EditThenAccept([](GroupEditorDriver& editor) {
            editor.AddUnit("meter", "m", "");
            editor.AddUnit("foot", "ft", "3.28084");
            editor.AddUnit("inch", "in", "39.3701");
            editor.AddUnit("mile", "mi", "0.000621371");
        });
        Command(kNewCustom);
        CConversion stored;
        QVERIFY(LoadFactorFile(m_f->FactorFile("Cust01"), stored));
        QCOMPARE(stored.m_unitCount, 4);
        QCOMPARE(stored.m_shownCount, 4);
        QCOMPARE(stored.m_unitOrder[0], 1);
        QCOMPARE(stored.m_unitOrder[3], 4);
        QCOMPARE(stored.m_unitOrder[4], 0);
        QCOMPARE(stored.m_showAll, 0);
        QCOMPARE(stored.m_digits, 6);
        QCOMPARE(stored.m_scientific, 0);
        QCOMPARE(stored.m_remark, std::string("None"));
        QCOMPARE(stored.m_updateDate, std::string("12/8/2026"));

        const Rows rows = Convert(CustomGroupId(1), "2");
        QCOMPARE(rows.units, (QStringList{"meter", "foot", "inch", "mile"}));
        QCOMPARE(rows.results, (QStringList{"2", "6.56168", "78.7402", "0.00124274"}));
        QCOMPARE(m_f->app.dialogs.unexpected, 0);
    }

    void deletingUnitsTheOrderListsKeepsItsOtherUnits()
    {
        CConversion group = PowersOfTwo(30);
        SetOrder(group, {4, 30, 1, 29, 2, 5});
        Store(group, "Dist");
        EditThenAccept([](GroupEditorDriver& editor) {
            for (int unit : {29, 28, 3}) {
                GroupEditorDriver::Choose(editor.List(104), unit);
                editor.Click(117);
            }
        });
        Command(kDistance + kEditFactorsOffset);
        CConversion stored;
        QVERIFY(LoadFactorFile(m_f->FactorFile("Dist"), stored));
        QCOMPARE(stored.m_unitCount, 27);
        QCOMPARE(stored.m_shownCount, 3);
        QCOMPARE(stored.m_unitOrder[2], 4); // u5, now the fourth unit
        QCOMPARE(stored.m_unitOrder[3], 0);

        const Rows rows = Convert(kDistance, "1");
        QCOMPARE(rows.units, (QStringList{"u1", "u2", "u5"}));
        QCOMPARE(rows.results, (QStringList{"1", "0.5", "0.0625"}));
    }

    void rowsThatNameNoUnitAreNeverShown()
    {
        // An order left behind by an older program that deleted the group's fourth unit.
        CConversion group = PowersOfTwo(3);
        SetOrder(group, {4, 2, 3});
        Store(group, "Dist");
        const Rows rows = Convert(kDistance, "1");
        QCOMPARE(rows.units, (QStringList{"u2", "u3"}));
        QCOMPARE(rows.results, (QStringList{"1", "0.5"}));
    }

    void aFactorBeyondWhatANumberHoldsIsRefusedOnce()
    {
        // meter, far (2^1000 to the meter) and near, as OK saves them: powers of two derive exactly.
        CConversion group = PowersOfTwo(3);
        group.m_units = {"meter,m", "far,f", "near,n"};
        group.m_factors[1][0] = std::ldexp(1.0, 1000);
        group.m_factors[0][1] = std::ldexp(1.0, -1000);
        group.m_factors[2][1] = std::ldexp(1.0, -1002);
        group.m_factors[1][2] = std::ldexp(1.0, 1002);
        group.m_updateDate = "12/8/2026";
        SetOrder(group, {1, 2, 3});
        Store(group, "Dist");
        const QByteArray before = Bytes(m_f->FactorFile("Dist"));

        EditThenAccept([](GroupEditorDriver& editor) { editor.Calculate(2, "1e-300"); });
        Command(kDistance + kEditFactorsOffset);
        QCOMPARE(m_f->app.messages.shown.size(), std::size_t(1));
        QCOMPARE(LastText(),
                 std::string("The factor for converting 'far' to 'near' would be too large or too "
                             "small to store. Nothing was changed."));
        QCOMPARE(Bytes(m_f->FactorFile("Dist")), before);
    }

    void changingOneFactorDerivesEveryPairThatUsedIt()
    {
        // u1..u4, each twice the one before; in the editor the conversion window opens, Mod Fact
        // makes u3 three to one u1, and every pair with u3 must follow.
        CConversion group = PowersOfTwo(4);
        SetOrder(group, {1, 2, 3, 4});
        Store(group, "Dist");
        Rows rows;
        m_f->app.dialogs.steps.push_back([&](QDialog& dialog) {
            FindControl<QAbstractButton>(dialog, 712)->click(); // Factors
            FindControl<QAbstractButton>(dialog, 8002)->click();
            rows = TypeAndRead(dialog, "1");
            dialog.reject(); // closing asks whether to save the changed factors
            return 0;
        });
        EditThenAccept([](GroupEditorDriver& editor) {
            GroupEditorDriver::Choose(editor.List(104), 2);
            GroupEditorDriver::Type(editor.Field(102), "3");
            editor.Click(107);
        });
        m_f->app.messages.Answer(MessageAnswer::Yes); // save the changed factors
        Command(kDistance);
        QCOMPARE(rows.results, (QStringList{"2", "1", "6", "0.25"}));

        CConversion stored;
        QVERIFY(LoadFactorFile(m_f->FactorFile("Dist"), stored));
        for (std::size_t i = 0; i < 4; ++i)
            for (std::size_t k = 0; k < 4; ++k) {
                const double expected = stored.m_factors[i][0] / stored.m_factors[k][0];
                QVERIFY2(std::fabs(stored.m_factors[i][k] / expected - 1.0) < 1e-15,
                         qPrintable(QStringLiteral("pair %1,%2").arg(i).arg(k)));
            }
        QCOMPARE(stored.m_factors[2][0], 3.0);
    }

    void aSettingsProfileThatCannotBeWrittenNeverCostsACustomGroup()
    {
        m_f->app.settings.failWrites = true;
        const auto twoUnits = [](const char* first, const char* second) {
            return [=](GroupEditorDriver& editor) {
                editor.AddUnit(first, "a", "");
                editor.AddUnit(second, "b", "2");
            };
        };
        EditThenAccept(twoUnits("span", "cubit"));
        EditThenAccept(twoUnits("other", "another"));
        Command(kNewCustom);
        QVERIFY(QString::fromStdString(LastText()).contains("settings could not be saved"));
        QCOMPARE(m_f->app.messages.Last()->icon, MessageIcon::Warning);
        const QByteArray first = Bytes(m_f->FactorFile("Cust01"));
        QVERIFY(first.contains("cubit"));

        // The next group goes beside the uncounted one, which the next start takes in.
        Command(kNewCustom);
        QCOMPARE(m_f->app.dialogs.runs, 2);
        QCOMPARE(Bytes(m_f->FactorFile("Cust01")), first);
        QVERIFY(Bytes(m_f->FactorFile("Cust02")).contains("another"));
    }

    void aNewGroupThatCouldNotBeSavedIsNotCounted()
    {
        m_f->State().m_factorPath += "gone/";
        EditThenAccept([](GroupEditorDriver& editor) {
            editor.AddUnit("span", "a", "");
            editor.AddUnit("cubit", "b", "2");
        });
        Command(kNewCustom);
        QVERIFY(QString::fromStdString(LastText()).contains("could not be saved"));
        QCOMPARE(m_f->State().m_numCust, 0);
        QCOMPARE(m_f->app.settings.ReadInt("Settings", "NumCust", -1), 0);
    }
};

int main(int argc, char** argv)
{
    kalvex::testing::IsolateUserFolders();
    QApplication application(argc, argv);
    GroupEditingScenarioTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "group_editing_scenario_test.moc"
