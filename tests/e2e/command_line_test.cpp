#include "core/conversion.h"
#include "storage/builtin_groups.h"
#include "storage/factor_file.h"
#include "tests/support/real_disk.h"
#include "tests/support/temp_folder.h"
#include "tests/support/two_unit_group.h"

#include <QDirIterator>
#include <QProcess>
#include <gtest/gtest.h>

#include <map>
#include <string>

namespace kalvex::testing {
namespace {

struct ProgramRun {
    std::string out;
    std::string err;
    int status = -1;
};

// The built program with nothing of the caller's environment: no display, a private home.
class CommandLineTest : public ::testing::Test {
protected:
    ProgramRun Program(const QStringList& arguments) const
    {
        QProcessEnvironment env;
        env.insert("HOME", QString::fromStdString(home.Path().string()));
        env.insert("LC_ALL", "C.UTF-8");
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(KALVEX_PROGRAM, arguments);
        ProgramRun run;
        if (!program.waitForFinished(60000)) {
            program.kill();
            program.waitForFinished();
            return run;
        }
        run.out = program.readAllStandardOutput().toStdString();
        run.err = program.readAllStandardError().toStdString();
        run.status = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
        return run;
    }

    // Every file below the home, with its content.
    std::map<std::string, std::string> HomeFiles() const
    {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(home.Path()))
            files[entry.path().string()] = entry.is_regular_file() ? ReadBytes(entry.path()) : "(folder)";
        return files;
    }

    void WriteProfile(const std::string& settingsLines) const
    {
        const auto folder = home.Path() / ".config" / "Qor Corporation";
        std::filesystem::create_directories(folder);
        WriteBytes(folder / "Kalvex!.conf",
                   "[Settings]\nConvFilePath=" + factors.Dir() + "\n" + settingsLines);
    }

    TempFolder home;
    TempFolder factors;
};

TEST_F(CommandLineTest, ConvertsFromAFreshHomeWithoutADisplayAndWritesNothing)
{
    const ProgramRun run = Program({"--convert", "32 psi"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "pascal\t220632\tPa\n"
                       "kilopascal\t220.632\tkPa\n"
                       "bar\t2.20632\tbar\n"
                       "millibar\t2206.32\tmbar\n"
                       "microbar\t2.20632e+006\tµbar\n"
                       "atmosphere (std)\t2.17747\tatm\n"
                       "inch of water (39.2°F)\t885.757\tinH2O\n"
                       "foot of water (39.2°F)\t73.813\tftH2O\n"
                       "inch of mercury (32°F)\t65.1526\tinHg\n"
                       "millimeter mercury (0°C)\t1654.88\tmmHg\n"
                       "pound force per square inch\t32\tlbf/in²\n"
                       "pound force per square foot\t4608\tlbf/ft²\n"
                       "kilogram force per sq cm\t2.24982\tkgf/cm²\n"
                       "kilogram force per sq meter\t22498.2\tkgf/m²\n"
                       "torr\t1654.88\ttorr\n");
    EXPECT_TRUE(HomeFiles().empty());

    // A unit none of the user's groups has is converted in its library group, which stays unadded.
    const ProgramRun current = Program({"--convert", "20 mA"});
    EXPECT_EQ(current.status, 0);
    EXPECT_TRUE(current.out.starts_with("ampere\t0.02\tA\n")) << current.out;
    EXPECT_TRUE(current.err.starts_with("kalvex: from the library group \"Electric current\""))
        << current.err;
    EXPECT_TRUE(HomeFiles().empty());

    // A sum of feet and inches, written back over feet and inches: the carry makes 6 ft 0 in.
    const ProgramRun height = Program({"--convert", "5'11.99\"", "--as", "in ft", "--digits", "3"});
    EXPECT_EQ(height.status, 0);
    EXPECT_TRUE(height.out.ends_with("\ncompound\t6 ft 0 in\tft in\n")) << height.out;

    const ProgramRun temperature = Program({"--convert=-40 C", "--digits", "4", "--scientific"});
    EXPECT_EQ(temperature.status, 0);
    EXPECT_EQ(temperature.out, "fahrenheit\t-4.0000e+001\t°F\nrankine\t4.1967e+002\t°R\n"
                               "celsius\t-4.0000e+001\t°C\nkelvin\t2.3315e+002\tK\n");
}

// What a wrong command line prints: what was wrong, then the usage.
std::string Misuse(const std::string& what)
{
    return "kalvex: " + what +
           "\nUsage: kalvex [--convert QUERY [--digits N] [--scientific] [--as UNITS]\n"
           "              | --list [--library] | --import FILE | --update-rates [URL] | --help | "
           "--version]\n";
}

TEST_F(CommandLineTest, RefusesWhatTheWindowWouldNotTakeWithStatusTwo)
{
    struct Row {
        QStringList arguments;
        std::string err;
    };
    const Row rows[] = {
        {{"--convert", "oz"},
         "kalvex: \"oz\" matches units of several groups:\n  ounce (oz), Mass\n"
         "  ounce (US fluid) (oz), Volume\n  ounce (Imperial fluid) (oz), Volume\n"},
        {{"--convert", "-4 in"}, "kalvex: distance less than minimum of 0.000000\n"},
        {{"--convert", "-500 F"}, "kalvex: Temperature cannot be lower than absolute zero.\n"},
        {{"--convert", "3 meterz"}, "kalvex: no unit matches \"meterz\"; closest: meter, liter, stere\n"},
        // Symbols keep their case and match whole; what only comes near is offered, not taken.
        {{"--convert", "1 mW"}, "kalvex: did you mean megawatt (MW), Power?\n"},
        {{"--convert", "1 Mbar"}, "kalvex: did you mean millibar (mbar), Pressure?\n"},
        {{"--library"}, Misuse("--library goes with --list")},
        {{"--convert", "parse"}, "kalvex: did you mean parsec (parsec), Distance?\n"},
        {{"--convert", "ton"},
         "kalvex: \"ton\" matches units of several groups:\n  ton (short) (ton), Mass\n  ton (long) (ton), "
         "Mass\n"
         "  ton (register) (ton), Volume\n  ton refrigeration (ton), Power\n  ton (TNT) (ton), Energy\n"},
        {{"--convert", "5 ft 3 kg"},
         "kalvex: Cannot add \"3 kg\" to \"5 ft\": their units are in different groups.\n"},
        {{"--convert", "174 cm", "--as", "ft kg"},
         "kalvex: --as: \"kg\" is no unit of Distance that values can be written over\n"},
        {{"--convert", "1 in", "--digits", "20"}, Misuse("--digits needs a whole number from 3 to 13")},
        {{"--list", "--scientific"}, Misuse("--digits, --scientific and --as go with --convert")},
        {{"--frobnicate"}, Misuse("unknown option --frobnicate")},
        {{"--list=all"}, Misuse("--list takes no value")},
        // One dash is the windowing toolkit's, but only for the toolkit's own options.
        {{"-x"}, Misuse("unknown option -x")},
        {{"-reverse", "-platform", "offscreen", "-style=fusion", "stray"},
         Misuse("unexpected argument stray")},
        {{"-session"}, Misuse("-session needs a value")},
        {{"--import"}, Misuse("--import needs a factor file, for example --import Group.fsf")},
        {{"--import=g.fsf", "--list"},
         Misuse("--convert, --list, --import and --update-rates cannot be given together")},
        {{"--update-rates", "https://a.example/", "h.fsf"}, Misuse("unexpected argument h.fsf")},
    };
    for (const Row& row : rows) {
        const ProgramRun run = Program(row.arguments);
        EXPECT_EQ(run.status, 2) << row.arguments.join(' ').toStdString();
        EXPECT_EQ(run.err, row.err);
        EXPECT_EQ(run.out, "");
    }
}

// "--opt=value" as well as "--opt value", for every option that takes a value.
TEST_F(CommandLineTest, ValuesFollowAnEqualsSignOrASpace)
{
    WriteProfile("");
    CConversion money;
    BuildBuiltinGroup(money, 4116);
    ASSERT_TRUE(SaveFactorFile(money, factors.Path() / "Mony.fsf", RealDisk()));
    const std::string group = (home.Path() / "roman.fsf").string();
    ASSERT_TRUE(SaveFactorFile(TwoUnitGroup("Roman", "Roman foot,pes", "Roman half foot,semipes"), group,
                               RealDisk()));

    const ProgramRun attached = Program({QString::fromStdString("--import=" + group)});
    EXPECT_EQ(attached.status, 0) << attached.err;
    EXPECT_EQ(attached.out, "Cust01\tRoman\n");
    EXPECT_EQ(Program({"--import", QString::fromStdString(group)}).out, "Cust02\tRoman (2)\n");

    // Read as an address either way, and refused as one: no download is tried.
    for (const QStringList& arguments : {QStringList{"--update-rates=ftp://rates.example/"},
                                         QStringList{"--update-rates", "ftp://rates.example/"}}) {
        const ProgramRun rates = Program(arguments);
        EXPECT_EQ(rates.status, 3);
        EXPECT_NE(rates.err.find("\"ftp://rates.example/\" is not an https address"), std::string::npos)
            << rates.err;
    }
}

TEST_F(CommandLineTest, TiesInOneGroupTakeTheUsualMeaningAndNameTheOthers)
{
    const ProgramRun run = Program({"--convert", "2mi", "--digits", "9"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "kalvex: also matches mile (US statute) (mi), Distance\n");
    // Two international miles are 10560 feet exactly; two US statute miles are not.
    EXPECT_NE(run.out.find("foot\t10560\tft\n"), std::string::npos);
}

TEST_F(CommandLineTest, VersionHelpAndNoDisplay)
{
    EXPECT_EQ(Program({"--version"}).out, "Kalvex! 3.5.2\n");
    const ProgramRun help = Program({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: kalvex"));
    const ProgramRun window = Program({});
    EXPECT_EQ(window.status, 1);
    EXPECT_EQ(window.err, "no display: set DISPLAY or WAYLAND_DISPLAY, or see kalvex --help\n");
    EXPECT_TRUE(HomeFiles().empty());
}

TEST_F(CommandLineTest, ReadsTheUsersProfileAndGroupsWithoutChangingThem)
{
    // Mass disabled, Distance with 3 digits, three custom groups of the user's own, the second
    // disabled.
    WriteProfile("Conv03=0\nNumCust=3\nCust02=0\n");
    CConversion distance;
    BuildBuiltinGroup(distance, 4104);
    distance.m_digits = 3;
    ASSERT_TRUE(SaveFactorFile(distance, factors.Path() / "Dist.fsf", RealDisk()));
    ASSERT_TRUE(SaveFactorFile(TwoUnitGroup("Cooking", "cup,cup", "stick of butter,stick"),
                               factors.Path() / "Cust01.fsf", RealDisk()));
    ASSERT_TRUE(SaveFactorFile(TwoUnitGroup("Workshop", "board,bd", "plank,pk"),
                               factors.Path() / "Cust02.fsf", RealDisk()));
    ASSERT_TRUE(SaveFactorFile(TwoUnitGroup("Roman", "Roman foot,pes", "Roman half foot,semipes"),
                               factors.Path() / "Cust03.fsf", RealDisk()));
    // Density as an earlier build wrote it: read with today's factors, and left as it is.
    CConversion density;
    BuildEarlierBuiltinGroup(density, 4114);
    ASSERT_TRUE(SaveFactorFile(density, factors.Path() / "Dens.fsf", RealDisk()));
    const auto before = HomeFiles();

    EXPECT_NE(Program({"--convert", "1 g/cm3"}).out.find("kilogram per cubic meter\t1000\tkg/m³\n"),
              std::string::npos);
    const ProgramRun inch = Program({"--convert", "2 1/2 in"});
    EXPECT_EQ(inch.status, 0);
    EXPECT_NE(inch.out.find("inch\t2.5\tin\n"), std::string::npos);
    EXPECT_NE(inch.out.find("centimeter\t6.35\tcm\n"), std::string::npos);

    EXPECT_EQ(Program({"--convert", "3 stick"}).out, "cup\t1.5\tcup\nstick of butter\t3\tstick\n");
    EXPECT_EQ(Program({"--convert", "3 semipes"}).out, "Roman foot\t1.5\tpes\nRoman half foot\t3\tsemipes\n");
    EXPECT_EQ(Program({"--convert", "3 bd"}).status, 2);
    EXPECT_EQ(Program({"--convert", "2 lbs"}).status, 2);
    const ProgramRun list = Program({"--list"});
    EXPECT_TRUE(list.out.starts_with("Temperature\tfahrenheit\t°F\n"));
    EXPECT_NE(list.out.find("Cooking\tstick of butter\tstick\n"), std::string::npos);
    EXPECT_TRUE(list.out.ends_with("Roman\tRoman foot\tpes\nRoman\tRoman half foot\tsemipes\n"));
    EXPECT_EQ(list.out.find("Workshop\t"), std::string::npos);
    EXPECT_EQ(list.out.find("Mass\t"), std::string::npos);
    EXPECT_EQ(HomeFiles(), before);
}

} // namespace
} // namespace kalvex::testing
