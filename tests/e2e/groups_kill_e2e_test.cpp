// The real program, stopped after every step that changes a file or the settings during Delete,
// New Custom, Import and `kalvex --import`, then started again: every group the user had is
// listed once, with its enabled flag, and New Custom still works.
#include "core/conversion.h"
#include "core/group_ids.h"
#include "storage/factor_file.h"
#include "tests/support/program_home.h"
#include "tests/support/real_disk.h"
#include "tests/support/two_unit_group.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <map>

namespace {

using kalvex::testing::ProgramHome;

constexpr int kStoppedExit = 86; // what the program exits with when told to stop after a step

struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// The custom groups as the files and the profile hold them, by name.
struct Groups {
    std::map<QString, int> flags;
    int files = 0;
};

class GroupsKillTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_home.IsValid());
        ASSERT_EQ(Program("list").exitCode, 0); // the first start builds the standard groups
        const char* names[] = {"Alpha", "Beta", "Gamma"};
        for (int k = 1; k <= 3; ++k) {
            kalvex::CConversion group = kalvex::testing::TwoUnitGroup(names[k - 1], "ell,el", "span,sp");
            ASSERT_TRUE(kalvex::SaveFactorFile(group, File(k).toStdString(), kalvex::testing::RealDisk()));
            m_home.SetProfile(Tag(k).toUtf8().constData(), k == 2 ? 0 : 1); // Beta disabled
        }
        m_home.SetProfile("NumCust", 3);
        m_home.SetProfile("NumActCust", 2);
        kalvex::SaveFactorFile(kalvex::testing::TwoUnitGroup("Imported", "ell,el", "span,sp"),
                               m_home.Path("imported.fsf").toStdString(), kalvex::testing::RealDisk());
        ASSERT_TRUE(QDir().mkpath(m_home.Path("baseline")));
        Copy(m_home.Path("config/Qor Corporation"), m_home.Path("baseline/config"));
        Copy(m_home.FactorFolder(), m_home.Path("baseline/factors"));
    }

    static QString Tag(int k) { return QString::fromStdString(kalvex::GroupTag(kalvex::CustomGroupId(k))); }
    QString File(int k) const { return m_home.FactorFolder() + Tag(k) + ".fsf"; }

    static void Copy(const QString& from, const QString& to)
    {
        QDir(to).removeRecursively();
        QDir().mkpath(to);
        for (const QString& name : QDir(from).entryList(QDir::Files | QDir::Hidden | QDir::System))
            QFile::copy(from + '/' + name, to + '/' + name);
    }
    void Restore()
    {
        Copy(m_home.Path("baseline/config"), m_home.Path("config/Qor Corporation"));
        Copy(m_home.Path("baseline/factors"), m_home.Path("factors"));
    }

    // The window driven by a script, or the command line with arguments; stopAfter > 0 ends the
    // program after that many steps.
    ProgramRun Program(const QString& script, int stopAfter = 0, const QStringList& arguments = {})
    {
        QProcessEnvironment env = m_home.Environment(ProgramHome::Display::Offscreen);
        env.insert("QT_PLUGIN_PATH", KALVEX_E2E_PLUGINS);
        env.insert("QT_QPA_GENERIC_PLUGINS", "kalvexe2e:groups");
        env.insert("KALVEX_GROUPS_SCRIPT", script);
        if (stopAfter > 0)
            env.insert("KALVEX_STOP_AFTER_STEP", QString::number(stopAfter));
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(KALVEX_PROGRAM, arguments);
        if (!program.waitForFinished(60000))
            program.kill();
        program.waitForFinished();
        return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
                QString::fromUtf8(program.readAllStandardOutput()),
                QString::fromUtf8(program.readAllStandardError())};
    }

    Groups Read() const
    {
        Groups groups;
        const int count = m_home.Profile("Settings/NumCust", 0).toInt();
        for (int k = 1; k <= count; ++k) {
            kalvex::CConversion group;
            const QString name = kalvex::LoadFactorFile(File(k).toStdString(), group)
                                     ? QString::fromStdString(group.m_name)
                                     : "?";
            EXPECT_FALSE(groups.flags.contains(name)) << name.toStdString() << " listed twice";
            groups.flags[name] = m_home.Profile("Settings/" + Tag(k), 1).toInt();
        }
        groups.files = int(QDir(m_home.FactorFolder()).entryList({"Cust*.fsf"}).size());
        return groups;
    }

    // Stops the operation after step 1, 2, ... until it runs to its end; after each stop the
    // program starts again and New Custom adds a group. `added` is the operation's own group,
    // `removed` the one it deletes. Returns the rows of the kill table.
    QStringList EveryStop(const QString& operation, const QString& script, const QStringList& arguments,
                          const QString& added, const QString& removed)
    {
        QStringList rows;
        for (int step = 1; step < 40; ++step) {
            Restore();
            const ProgramRun stopped = Program(script, step, arguments);
            if (stopped.exitCode != kStoppedExit) {
                EXPECT_EQ(stopped.exitCode, 0) << stopped.err.toStdString() << stopped.out.toStdString();
                break;
            }
            const QString what = stopped.err.section("stopped after step ", 1).trimmed();
            const ProgramRun restart = Program("new Check");
            SCOPED_TRACE((operation + " stopped after " + what + "\n" + restart.out).toStdString());
            EXPECT_EQ(restart.exitCode, 0);
            EXPECT_FALSE(restart.out.contains("e2e message")) << "no group was lost or refused";
            const Groups groups = Read();
            const std::map<QString, int> kept = {{"Alpha", 1}, {"Beta", 0}, {"Gamma", 1}, {"Check", 1}};
            for (const auto& [name, flag] : kept)
                if (name != removed) {
                    EXPECT_TRUE(groups.flags.contains(name)) << name.toStdString();
                    EXPECT_EQ(groups.flags.contains(name) ? groups.flags.at(name) : -1, flag)
                        << name.toStdString();
                }
            const bool hasAdded = groups.flags.contains(added);
            const bool hasRemoved = groups.flags.contains(removed);
            if (hasAdded) {
                EXPECT_EQ(groups.flags.at(added), 1);
            }
            if (hasRemoved) {
                EXPECT_EQ(groups.flags.at(removed), 1);
            }
            EXPECT_EQ(groups.files, int(groups.flags.size())) << "every file is counted";
            QStringList shown;
            for (const QString& line : restart.out.split('\n'))
                if (line.startsWith("e2e group "))
                    shown << line.mid(10);
            for (const auto& [name, flag] : groups.flags)
                EXPECT_EQ(shown.count(name), flag) << name.toStdString() << " shown as its flag says";
            const QString outcome = !added.isEmpty()
                                        ? (hasAdded ? added + " kept" : added + " not added")
                                        : (hasRemoved ? removed + " not deleted" : removed + " deleted");
            rows << QString("| %1 | %2 | %3 | %4; the other groups and flags intact; New Custom works |")
                        .arg(operation)
                        .arg(step)
                        .arg(what, outcome);
        }
        return rows;
    }

    ProgramHome m_home;
};

TEST_F(GroupsKillTest, EveryStepOfEveryOperationCanBeCutShort)
{
    QStringList rows;
    // The first group: the later ones move down, Beta disabled, Gamma enabled.
    rows << EveryStop("Delete", "delete Alpha", {}, {}, "Alpha");
    rows << EveryStop("New Custom", "new Delta", {}, "Delta", {});
    rows << EveryStop("Import", "import " + m_home.Path("imported.fsf"), {}, "Imported", {});
    rows << EveryStop("--import", {}, {"--import", m_home.Path("imported.fsf")}, "Imported", {});
    EXPECT_GE(rows.size(), 8);
    for (const QString& row : rows)
        std::printf("%s\n", qPrintable(row));
}

// `kalvex --import` while the window asks its question: both the imported group and the
// window's own change survive, and the window says where its group went.
TEST_F(GroupsKillTest, AnImportWhileTheWindowAsksLosesNothing)
{
    const QString imported = m_home.Path("imported.fsf");
    const ProgramRun created = Program("new Delta race " + imported);
    EXPECT_TRUE(created.out.contains("e2e raced Cust04\tImported")) << created.out.toStdString();
    EXPECT_TRUE(created.out.contains("has been saved as Cust05")) << created.out.toStdString();
    Groups groups = Read();
    EXPECT_EQ(groups.flags.size(), 5u);
    EXPECT_EQ(groups.flags["Delta"], 1);
    EXPECT_EQ(groups.flags["Imported"], 1);

    Restore();
    const ProgramRun deleted = Program("delete Alpha race " + imported);
    EXPECT_TRUE(deleted.out.contains("e2e raced Cust04\tImported")) << deleted.out.toStdString();
    groups = Read();
    EXPECT_EQ(groups.flags, (std::map<QString, int>{{"Beta", 0}, {"Gamma", 1}, {"Imported", 1}}));
    EXPECT_EQ(groups.files, 3);
}

} // namespace
