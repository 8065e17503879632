// The user's own groups through the real launcher, group editor, conversion window and
// enable/disable dialog: many of them, deleted, exported and imported. Fakes only at the
// platform services (messages, file dialogs, nested dialog answers).
#include "launcher_fixture.h"

#include "core/group_ids.h"
#include "storage/factor_file.h"
#include "tests/support/real_disk.h"
#include "tests/ui/support/group_editor_driver.h"
#include "tests/ui/support/isolated_environment.h"
#include "ui/controls/control_id.h"
#include "ui/conversion/conversion_dlg.h"
#include "ui/editing/group_def_dlg.h"
#include "ui/editing/group_name_dlg.h"
#include "ui/editing/groups_dlg.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <sys/stat.h>

using namespace kalvex;
using kalvex::testing::GroupEditorDriver;
using kalvex::testing::LauncherFixture;

namespace {

constexpr int kNewCustom = 3007;
constexpr int kImportGroup = 3101;
constexpr int kExportGroup = 3102;

// A group of two units "<name> a" and "<name> b", b being twice a.
CConversion TwoUnitGroup(const std::string& name)
{
    CConversion group;
    group.m_name = name;
    group.m_description = name + " things";
    group.m_remark = "None";
    group.m_updateDate = "Unknown";
    group.m_digits = 6;
    group.m_unitCount = group.m_shownCount = 2;
    group.m_units[0] = name + " a,a";
    group.m_units[1] = name + " b,b";
    group.m_factors[0][0] = group.m_factors[1][1] = 1.0;
    group.m_factors[1][0] = 0.5;
    group.m_factors[0][1] = 2.0;
    group.m_unitOrder[0] = 1;
    group.m_unitOrder[1] = 2;
    return group;
}

} // namespace

class CustomGroupsScenarioTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<LauncherFixture> m_f;

    void Command(int id) { QVERIFY(m_f->view->OnCommand(id)); }
    int Setting(const char* key) const { return m_f->app.settings.ReadInt("Settings", key, -99); }
    QString LastText() const
    {
        return m_f->app.messages.Last() ? QString::fromStdString(m_f->app.messages.Last()->text) : QString();
    }
    // Creates a custom group through New Custom and the group editor.
    void CreateThroughEditor(const QString& name, const QString& firstUnit, const QString& secondUnit)
    {
        m_f->app.dialogs.steps.push_back([=](QDialog& dialog) {
            if (!qobject_cast<CGroupDefDlg*>(&dialog))
                return 0;
            GroupEditorDriver editor(dialog);
            GroupEditorDriver::Type(editor.Field(100), name);
            editor.AddUnit(firstUnit, firstUnit.left(2), QString());
            editor.AddUnit(secondUnit, secondUnit.left(2), QStringLiteral("3"));
            editor.Click(699);
            return dialog.result();
        });
        Command(kNewCustom);
    }
    // Opens a group as the user does and reads the conversion window's caption and unit rows.
    QStringList Open(int groupId)
    {
        QStringList seen;
        m_f->app.dialogs.steps.push_back([&](QDialog& dialog) {
            seen << dialog.windowTitle();
            for (int row = 0; auto* unit = FindControl<QAbstractButton>(dialog, 8001 + row); ++row)
                if (unit->isVisible())
                    seen << unit->text();
            return 0;
        });
        Command(groupId);
        return seen;
    }
    int SelectEntryOf(int groupId)
    {
        for (int j = 0; j < m_f->view->EntryCount(); ++j)
            if (m_f->view->EntryGroupId(j) == groupId) {
                m_f->view->SelectEntry(j);
                return j;
            }
        return -1;
    }
    std::string File(const char* name) const { return m_f->app.state.m_factorPath + name; }
    // Custom groups "Own1" to "Own20", all enabled, as a restart finds them.
    void MakeTwentyGroups()
    {
        for (int k = 1; k <= kMaxCustomGroups; ++k)
            QVERIFY(SaveFactorFile(TwoUnitGroup("Own" + std::to_string(k)),
                                   File((GroupTag(CustomGroupId(k)) + ".fsf").c_str()),
                                   kalvex::testing::RealDisk()));
        m_f->app.settings.WriteInt("Settings", "NumCust", 20);
        m_f->app.settings.WriteInt("Settings", "NumActCust", 20);
        m_f->Restart();
    }

private slots:
    void init()
    {
        m_f = std::make_unique<LauncherFixture>();
        m_f->Show();
    }
    void cleanup() { m_f.reset(); }

    void importStartsInTheLibraryBesideTheProgram()
    {
        QDir install(QString::fromStdString(m_f->app.state.m_factorPath));
        QVERIFY(install.mkpath("bin") && install.mkpath("share/kalvex/groups"));
        m_f->app.state.m_programDir = File("bin/");
        Command(kImportGroup);
        QCOMPARE(m_f->app.files.offered, std::vector<std::string>{File("share/kalvex/groups/")});
    }

    void threeGroupsSecondDisabledFirstDeletedSurviveARestart()
    {
        CreateThroughEditor("Spans", "span", "cubit");
        CreateThroughEditor("Beats", "beat", "bar");
        CreateThroughEditor("Cups", "cup", "pint");
        QCOMPARE(Setting("NumCust"), 3);
        QCOMPARE(m_f->view->EntryCount(), 18);

        Command(CustomGroupId(2) + kDisableCommandOffset);
        QCOMPARE(Setting("Cust02"), 0);
        QCOMPARE(m_f->view->EntryCount(), 17);

        m_f->app.messages.Answer(MessageAnswer::Yes);
        Command(CustomGroupId(1) + kDeleteCommandOffset);
        const MessageRequest& question = m_f->app.messages.shown.front();
        QVERIFY(QString::fromStdString(question.text).contains("\"Spans\""));
        QCOMPARE(question.buttons, MessageButtons::YesNo);
        QCOMPARE(m_f->app.messages.shown.size(), std::size_t(1));

        m_f->Restart();
        QCOMPARE(Setting("NumCust"), 2);
        QCOMPARE(Setting("Cust01"), 0); // Beats kept its disabled flag as it moved down
        QCOMPARE(Setting("Cust02"), 1);
        QCOMPARE(m_f->view->EntryCount(), 16);
        QCOMPARE(m_f->view->EntryName(15), QStringLiteral("Cups"));
        QCOMPARE(m_f->view->EntryGroupId(15), CustomGroupId(2));
        QVERIFY(!QFile::exists(QString::fromStdString(File("Cust03.fsf"))));
        QVERIFY2(m_f->app.messages.shown.size() == 1, "no group was lost");

        const QStringList beats = Open(CustomGroupId(1));
        QVERIFY2(beats.size() == 3 && beats[0].contains("Beats") && beats[1] == "beat" && beats[2] == "bar",
                 qPrintable(beats.join('|')));
        const QStringList cups = Open(CustomGroupId(2));
        QVERIFY2(cups.size() == 3 && cups[0].contains("Cups") && cups[1] == "cup" && cups[2] == "pint",
                 qPrintable(cups.join('|')));
    }

    void anExportedGroupComesBackUnderAnotherName()
    {
        CreateThroughEditor("Spans", "span", "cubit");
        SelectEntryOf(CustomGroupId(1));
        const std::string exported = File("shared.fsf");
        m_f->app.files.answers.push_back(exported);
        Command(kExportGroup);
        QCOMPARE(m_f->app.files.offered.back(), (QDir::homePath() + "/Spans.fsf").toStdString());
        QFile original(QString::fromStdString(File("Cust01.fsf")));
        QFile copy(QString::fromStdString(exported));
        QVERIFY(original.open(QIODevice::ReadOnly) && copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), original.readAll());

        // Importing it again: its name is taken, so the user is asked for another.
        m_f->app.files.answers.push_back(exported);
        QString suggested;
        m_f->app.dialogs.steps.push_back([&](QDialog& dialog) {
            auto* name = FindControl<QLineEdit>(dialog, CGroupNameDlg::kNameField);
            suggested = name->text();
            GroupEditorDriver::Type(name, QStringLiteral("Spans from Ann"));
            QTest::keyClick(name, Qt::Key_Return);
            return dialog.result();
        });
        Command(kImportGroup);
        QCOMPARE(suggested, QStringLiteral("Spans (2)"));
        QCOMPARE(Setting("NumCust"), 2);
        QCOMPARE(Setting("Cust02"), 1);
        QCOMPARE(m_f->view->EntryName(16), QStringLiteral("Spans from Ann"));
        const QStringList opened = Open(CustomGroupId(2));
        QVERIFY2(opened.size() == 3 && opened[1] == "span" && opened[2] == "cubit",
                 qPrintable(opened.join('|')));
    }

    // "keep" is written as keep.fsf, a file the file dialog never saw: Export asks about it.
    void exportAsksBeforeReplacingTheFileItWrites()
    {
        CreateThroughEditor("Spans", "span", "cubit");
        SelectEntryOf(CustomGroupId(1));
        const QString kept = QString::fromStdString(File("keep.fsf"));
        const auto bytesOf = [](const QString& file) {
            QFile read(file);
            return read.open(QIODevice::ReadOnly) ? read.readAll() : QByteArray();
        };
        QFile mine(kept);
        QVERIFY(mine.open(QIODevice::WriteOnly) && mine.write("mine") == 4);
        mine.close();
        auto& messages = m_f->app.messages;
        const std::size_t shownBefore = messages.shown.size();

        for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
            m_f->app.files.answers.push_back(File("keep"));
            messages.Answer(answer);
            Command(kExportGroup);
            QCOMPARE(messages.shown.size(), shownBefore + (answer == MessageAnswer::No ? 1 : 2));
            QCOMPARE(messages.Last()->buttons, MessageButtons::YesNo);
            QVERIFY2(LastText().contains(kept + " already exists."), qPrintable(LastText()));
            QCOMPARE(bytesOf(kept), answer == MessageAnswer::No
                                        ? QByteArray("mine")
                                        : bytesOf(QString::fromStdString(File("Cust01.fsf"))));
        }
        // A name that is free is written without a question.
        m_f->app.files.answers.push_back(File("fresh.FSF"));
        Command(kExportGroup);
        QCOMPARE(messages.shown.size(), shownBefore + 2);
        QVERIFY(QFile::exists(QString::fromStdString(File("fresh.FSF"))));
        QCOMPARE(messages.unexpected, 0);
    }

    // Names from files as the windows show them: direction controls written out, never applied,
    // and a name longer than an entry holds cut with "..." in the launcher and the menus.
    void namesShowTheirDirectionControlsAndLongOnesAreCut()
    {
        const std::string turned = "abc\u202Edef";
        QVERIFY(SaveFactorFile(TwoUnitGroup(turned), File("Cust01.fsf"), kalvex::testing::RealDisk()));
        QVERIFY(SaveFactorFile(TwoUnitGroup(std::string(60000, 'W')), File("Cust02.fsf"),
                               kalvex::testing::RealDisk()));
        m_f->app.settings.WriteInt("Settings", "NumCust", 2);
        m_f->app.settings.WriteInt("Settings", "NumActCust", 2);
        m_f->Restart();

        const QString shown = QStringLiteral("abc<U+202E>def");
        const QString cut = QString(28, u'W') + QStringLiteral("...");
        QCOMPARE(m_f->view->EntryName(15), shown);
        QCOMPARE(m_f->view->EntryName(16), cut);
        for (const int offset : {0, kUnitsCommandOffset, kFactorsCommandOffset}) {
            QCOMPARE(m_f->frame->CommandAction(CustomGroupId(1) + offset)->text(), "&0 " + shown);
            QCOMPARE(m_f->frame->CommandAction(CustomGroupId(2) + offset)->text(), "&1 " + cut);
        }
        QCOMPARE(Open(CustomGroupId(1)), QStringList({shown + " Conversions", shown + " a", shown + " b"}));

        // The editor shows them the same way, and OK without a change stores them as they were.
        QString title;
        QString field;
        QString typed;
        m_f->app.dialogs.steps.push_back([&](QDialog& dialog) {
            title = dialog.windowTitle();
            field = GroupEditorDriver(dialog).Field(100)->text();
            // A control typed into a field is written out as it is typed.
            QLineEdit* description = GroupEditorDriver(dialog).Field(108);
            GroupEditorDriver::Type(description, QStringLiteral("x"));
            QKeyEvent control(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("\u202E"));
            QCoreApplication::sendEvent(description, &control);
            typed = description->text();
            GroupEditorDriver(dialog).Click(699);
            return dialog.result();
        });
        Command(CustomGroupId(1) + kFactorsCommandOffset);
        QCOMPARE(title, "Modify " + shown + " Conversion Units");
        QCOMPARE(field, shown);
        QCOMPARE(typed, QStringLiteral("x<U+202E>"));
        CConversion saved;
        QVERIFY(LoadFactorFile(File("Cust01.fsf"), saved));
        QCOMPARE(saved.m_name, turned);
        QCOMPARE(saved.m_units[0], turned + " a,a");
        QCOMPARE(saved.m_units[1], turned + " b,b");
    }

    void importRefusesDamagedOversizedAndSpecialFilesAndAddsNothing()
    {
        const std::string intact = TwoUnitGroup("Ok").Serialize();
        QFile damaged(QString::fromStdString(File("damaged.fsf")));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(intact.substr(0, 100).data(), 100);
        damaged.close();
        QFile oversized(QString::fromStdString(File("oversized.fsf")));
        QVERIFY(oversized.open(QIODevice::WriteOnly));
        oversized.write(QByteArray::fromStdString(intact) + QByteArray(2 * 1024 * 1024, '\0'));
        oversized.close();
        QCOMPARE(::mkfifo(File("pipe.fsf").c_str(), 0600), 0);

        const QStringList expected = {"damaged", "too large", "not a regular file"};
        const char* const files[] = {"damaged.fsf", "oversized.fsf", "pipe.fsf"};
        for (int i = 0; i < 3; ++i) {
            m_f->app.files.answers.push_back(File(files[i]));
            Command(kImportGroup);
            QVERIFY2(LastText().contains(expected[i]), qPrintable(LastText()));
            QCOMPARE(m_f->app.messages.Last()->icon, MessageIcon::Warning);
        }
        QCOMPARE(Setting("NumCust"), 0);
        QCOMPARE(m_f->view->EntryCount(), 15);
        // Without a library beside the program, Import starts in the factor folder.
        QCOMPARE(m_f->app.files.offered.front(), m_f->app.state.m_factorPath);
        QVERIFY(!QFile::exists(QString::fromStdString(File("Cust01.fsf"))));
        QCOMPARE(m_f->app.dialogs.runs, 0);
    }

    void twentyGroupsEachHaveTheirOwnIconMenusPromptsAndFlag()
    {
        MakeTwentyGroups();

        QCOMPARE(m_f->view->EntryCount(), 35);
        QCOMPARE(m_f->view->EntryName(34), QStringLiteral("Own20"));
        QCOMPARE(m_f->view->EntryGroupId(34), 4137);
        const auto ids = LauncherFixture::CommandIds(m_f->frame->ConversionMenu());
        QCOMPARE(ids.back(), 4137);
        QCOMPARE(LauncherFixture::CommandIds(m_f->frame->UnitsMenu()).back(), 4186);
        QCOMPARE(LauncherFixture::CommandIds(m_f->frame->FactorsMenu()).back(), 4286);
        QCOMPARE(m_f->frame->PromptFor(4137), QStringLiteral("Own20 things"));
        QCOMPARE(m_f->frame->PromptFor(4386), QStringLiteral("Disable the own20 group"));
        QCOMPARE(m_f->frame->PromptFor(4486), QStringLiteral("Delete the own20 group"));
        QCOMPARE(m_f->frame->PromptFor(4186), QStringLiteral("Change the own20 units"));

        // The twentieth opens, and its own Disable reaches its own flag only.
        const QStringList opened = Open(4137);
        QVERIFY2(opened.size() == 3 && opened[1] == "Own20 a", qPrintable(opened.join('|')));
        Command(4137 + kDisableCommandOffset);
        QCOMPARE(Setting("Cust20"), 0);
        QVERIFY(Setting("Cust19") != 0);
        QCOMPARE(m_f->view->EntryCount(), 34);

        // The enable/disable dialog lists all twenty.
        QStringList listed;
        m_f->app.dialogs.steps.push_back([&](QDialog& dialog) {
            for (int id : {105, 106})
                for (int row = 0; row < FindControl<QListWidget>(dialog, id)->count(); ++row)
                    listed << FindControl<QListWidget>(dialog, id)->item(row)->text();
            return 0;
        });
        Command(3008);
        QCOMPARE(listed.size(), 35);
        QVERIFY(listed.contains(QStringLiteral("Cust20 Own20")));
    }

    // Only ten digits can be keys: an item past the tenth takes none, so pressing a digit opens
    // its one group instead of moving between the items that share it.
    void customGroupMenuItemsTakeTheirDigitUpToTheTenth_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("key");
        QTest::newRow("second") << 2 << "&1 Own2" << int(Qt::Key_1);
        QTest::newRow("tenth") << 10 << "&9 Own10" << int(Qt::Key_9);
        QTest::newRow("eleventh") << 11 << "10 Own11" << 0;
        QTest::newRow("twentieth") << 20 << "19 Own20" << 0;
    }
    void customGroupMenuItemsTakeTheirDigitUpToTheTenth()
    {
        QFETCH(int, number);
        QFETCH(QString, text);
        QFETCH(int, key);
        MakeTwentyGroups();
        for (const int offset : {0, kUnitsCommandOffset, kFactorsCommandOffset})
            QCOMPARE(m_f->frame->CommandAction(CustomGroupId(number) + offset)->text(), text);
        if (key == 0)
            return;
        QString opened;
        m_f->app.dialogs.steps.push_back([&](QDialog& dialog) {
            opened = dialog.windowTitle();
            return 0;
        });
        QMenu* menu = m_f->frame->ConversionMenu();
        menu->popup(m_f->frame->geometry().center());
        QTest::keyClick(menu, Qt::Key(key));
        QVERIFY2(opened.startsWith(QStringLiteral("Own%1 ").arg(number)), qPrintable(opened));
    }

    // New Custom and Import refuse a twenty-first group alike, before the editor or the file
    // chooser opens; an Import that meets the limit only after the chooser refuses the same way.
    void atTheLimitImportRefusesAsNewCustomDoesBeforeAskingForAFile()
    {
        MakeTwentyGroups();
        Command(kNewCustom);
        Command(kImportGroup);
        QVERIFY(SaveFactorFile(TwoUnitGroup("Extra"), File("extra.fsf"), kalvex::testing::RealDisk()));
        m_f->app.state.m_numCust = kMaxCustomGroups - 1; // the last number taken by another window
        m_f->app.files.answers.push_back(File("extra.fsf"));
        Command(kImportGroup);

        QCOMPARE(m_f->app.files.offered.size(), std::size_t(1)); // by the last Import only
        auto& messages = m_f->app.messages;
        QCOMPARE(messages.shown.size(), std::size_t(3));
        QVERIFY(messages.beeps == std::vector<MessageIcon>(3, MessageIcon::Information));
        for (const MessageRequest& refusal : messages.shown) {
            QVERIFY(
                QString::fromStdString(refusal.text).startsWith("You have reached the maximum of 20 custom"));
            QCOMPARE(refusal.caption, std::string("Error"));
            QCOMPARE(refusal.icon, MessageIcon::Information);
        }
        QCOMPARE(m_f->app.dialogs.runs, 0);
        QCOMPARE(Setting("NumCust"), kMaxCustomGroups);
    }
};

int main(int argc, char** argv)
{
    kalvex::testing::IsolateUserFolders();
    QApplication application(argc, argv);
    CustomGroupsScenarioTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "custom_groups_scenario_test.moc"
