// What a user reads in a conversion window is what `kalvex --convert` prints for the same entry,
// and a number typed with a comma is read the same way in both, or refused the same way.
#include "launcher_fixture.h"

#include "app/command_line.h"
#include "storage/settings_profile.h"
#include "tests/ui/support/group_editor_driver.h"
#include "tests/ui/support/isolated_environment.h"
#include "ui/controls/control_id.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <sstream>

using namespace kalvex;
using kalvex::testing::GroupEditorDriver;
using kalvex::testing::LauncherFixture;

namespace {

constexpr int kTemperature = 4103, kAcceleration = 4117, kDistance = 4104;
constexpr int kTemperatureResults[] = {112, 114, 113, 115}; // in the window's row order

// The rows a user read, in a window or on standard output, and what else came with them.
struct Rows {
    QStringList names;
    QStringList values;
    QString input;   // the window's value field after the entry
    int status = -1; // the command line's exit status and error output
    std::string err;
};

} // namespace

class RowsAgreeScenarioTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<LauncherFixture> m_f;

    static QLineEdit* ResultField(QDialog& dialog, int groupId, int row)
    {
        if (groupId == kTemperature)
            return row < 4 ? FindControl<QLineEdit>(dialog, kTemperatureResults[row]) : nullptr;
        QLineEdit* field = FindControl<QLineEdit>(dialog, 8201 + row);
        return field && field->isEnabled() ? field : nullptr;
    }

    // Opens the group from the launcher, sets the digits and notation with their controls, types
    // the value in the first unit and reads every row as shown.
    Rows Window(int groupId, const QString& value, int digits, bool scientific)
    {
        Rows shown;
        m_f->app.dialogs.steps.push_back([&](QDialog& dialog) {
            auto* digitsButton = FindControl<QAbstractButton>(dialog, 160);
            for (int presses = 0; digitsButton->text() != QStringLiteral("#.%1").arg(digits) && presses < 11;
                 ++presses)
                QTest::mouseClick(digitsButton, Qt::LeftButton);
            auto* scientificCheck = FindControl<QAbstractButton>(dialog, 161);
            if (scientificCheck->isChecked() != scientific)
                QTest::mouseClick(scientificCheck, Qt::LeftButton);
            auto* input = FindControl<QLineEdit>(dialog, 306);
            GroupEditorDriver::Type(input, value);
            QTest::keyClick(input, Qt::Key_Return);
            for (int row = 0; QLineEdit* field = ResultField(dialog, groupId, row); ++row) {
                const int radio = groupId == kTemperature ? 8401 + row : 8001 + row;
                shown.names << FindControl<QAbstractButton>(dialog, radio)->text().remove(u'&');
                shown.values << field->text();
            }
            shown.input = input->text();
            return 0;
        });
        if (!m_f->view->OnCommand(groupId))
            shown.names << QStringLiteral("(no window)");
        return shown;
    }

    Rows CommandLine(const QString& query, int digits, bool scientific, char decimalSeparator = '.')
    {
        kalvex::CommandLine request =
            ParseCommandLine({"--convert", query.toStdString(), "--digits", std::to_string(digits)});
        request.scientific = scientific;
        request.decimalSeparator = decimalSeparator;
        std::ostringstream out, err;
        Rows printed;
        printed.status = RunCommandLine(request, m_f->app.settings, "test", out, err);
        printed.err = err.str();
        for (const QString& line : QString::fromStdString(out.str()).split(u'\n', Qt::SkipEmptyParts)) {
            printed.names << line.section(u'\t', 0, 0);
            printed.values << line.section(u'\t', 1, 1);
        }
        return printed;
    }

    std::string LastMessage() const
    {
        return m_f->app.messages.Last() ? m_f->app.messages.Last()->text : std::string();
    }

private slots:
    void init()
    {
        m_f = std::make_unique<LauncherFixture>();
        m_f->app.settings.WriteString("Settings", "ConvFilePath", m_f->State().m_factorPath);
        m_f->Show();
    }
    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
        QCOMPARE(m_f->app.messages.unexpected, 0);
        QCOMPARE(m_f->watchdog.caught, 0);
        m_f.reset();
    }

    void everyBuiltInGroupShowsWhatTheCommandLinePrints_data()
    {
        QTest::addColumn<int>("groupId");
        QTest::addColumn<int>("digits");
        QTest::addColumn<bool>("scientific");
        for (int groupId = kTemperature; groupId <= kAcceleration; ++groupId)
            for (const auto& [digits, scientific] : {std::pair{6, false}, {13, false}, {6, true}})
                QTest::addRow("%d, %d digits%s", groupId, digits, scientific ? ", scientific" : "")
                    << groupId << digits << scientific;
    }
    void everyBuiltInGroupShowsWhatTheCommandLinePrints()
    {
        QFETCH(int, groupId);
        QFETCH(int, digits);
        QFETCH(bool, scientific);
        const Rows shown = Window(groupId, QStringLiteral("1234.5678"), digits, scientific);
        QVERIFY(shown.values.size() >= 4);
        const Rows printed =
            CommandLine(QStringLiteral("1234.5678 ") + shown.names.front(), digits, scientific);
        QCOMPARE(printed.status, kExitOk);
        QCOMPARE(printed.names, shown.names);
        QCOMPARE(printed.values, shown.values);
    }

    void aCommaIsReadOrRefusedNeverCutOff_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("meters"); // the first row, or empty when refused
        QTest::addColumn<QString>("refusal");
        const auto row = [](const char* name, const char* locale, const char* typed, const char* meters,
                            const char* refusal) {
            QTest::newRow(name) << QString(locale) << QString(typed) << QString(meters) << QString(refusal);
        };
        row("thousands", "C", "1,500", "1500", "");
        row("decimal comma", "de_DE", "2,5", "2.5", "");
        row("decimal comma where a point is the separator", "C", "2,5", "",
            "Cannot read \"2,5\": a comma can only separate thousands, as in 1,500. For a decimal, type a "
            "point: 2.5");
        row("overflow", "C", "1e400", "", "The value is too large to convert.");
    }
    void aCommaIsReadOrRefusedNeverCutOff()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, meters);
        QFETCH(QString, refusal);
        QLocale::setDefault(QLocale(locale));
        const char separator = locale == QStringLiteral("C") ? '.' : ',';
        // Distance opens in ångstroms; its third row is meters.
        const Rows shown = Window(kDistance, typed, 6, false);
        const Rows printed = CommandLine(typed + QStringLiteral(" m"), 6, false, separator);
        if (refusal.isEmpty()) {
            QCOMPARE(LastMessage(), std::string());
            QCOMPARE(shown.values.value(0), meters); // the first row is the unit typed in
            QCOMPARE(printed.status, kExitOk);
            const qsizetype meterRow = printed.names.indexOf(QStringLiteral("meter"));
            QCOMPARE(printed.values.value(meterRow), meters);
            return;
        }
        QCOMPARE(QString::fromStdString(LastMessage()), refusal);
        QCOMPARE(m_f->app.messages.Last()->icon, MessageIcon::Warning);
        QCOMPARE(shown.input, QStringLiteral("1.")); // the last value put back
        QCOMPARE(printed.status, kExitRefused);
        QCOMPARE(QString::fromStdString(printed.err), QStringLiteral("kalvex: ") + refusal + u'\n');
    }
};

int main(int argc, char** argv)
{
    kalvex::testing::IsolateUserFolders();
    QApplication application(argc, argv);
    RowsAgreeScenarioTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "rows_agree_scenario_test.moc"
