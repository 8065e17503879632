#include "platform/posix/ini_profile_reader.h"
#include "platform/qt/help_index.h"
#include "platform/qt/qt_directory_picker.h"
#include "platform/qt/qt_help_service.h"
#include "platform/qt/registered_ids.h"
#include "platform/qt/single_instance.h"
#include "platform/qt/system_facts.h"
#include "tests/ui/support/isolated_environment.h"
#include "tests/ui/support/test_app.h"
#include "ui/controls/control_id.h"
#include "ui/controls/transfer.h"
#include "ui/shell/about_dlg.h"
#include "ui/shell/kalvex_app.h"
#include "ui/shell/progress_window.h"
#include "ui/shell/sys_info_dlg.h"
#include "ui/shell/sys_info_format.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>

using namespace kalvex;
using kalvex::testing::TestApp;

class ShellPartsTest : public QObject {
    Q_OBJECT

private slots:
    void memoryAmountsInKilobytes()
    {
        QCOMPARE(FormatKilobytes(16777216), QStringLiteral("16,384 KB"));
        QCOMPARE(FormatKilobytes(524288), QStringLiteral("512 KB"));
        QCOMPARE(FormatKilobytes(1023), QStringLiteral("0 KB"));
        QCOMPARE(FormatKilobytes(std::uint64_t(1) << 40), QStringLiteral("1,073,741,824 KB"));
        QCOMPARE(FormatKilobytes(std::nullopt), QString());
    }

    void processorNames_data()
    {
        QTest::addColumn<int>("architecture");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("expected");
        QTest::newRow("pentium") << 0 << 586 << 0 << "Intel Pentium";
        QTest::newRow("486") << 0 << 486 << 0 << "Intel 486";
        QTest::newRow("unknown intel") << 0 << 686 << 0 << "Intel ??";
        QTest::newRow("mips") << 1 << 0 << 4 << "Mips R4000";
        QTest::newRow("alpha") << 2 << 0 << 21 << "Alpha 21";
        QTest::newRow("ppc 603+") << 3 << 0 << 6 << "PowerPC 603+";
        QTest::newRow("ppc 604+") << 3 << 0 << 9 << "PowerPC 604+";
        QTest::newRow("ppc 601") << 3 << 0 << 1 << "PowerPC 601";
        QTest::newRow("other") << 12 << 0 << 0 << "unknown";
    }

    void processorNames()
    {
        QFETCH(int, architecture);
        QFETCH(int, type);
        QFETCH(int, level);
        QFETCH(QString, expected);
        QCOMPARE(ProcessorTypeText(architecture, type, level), expected);
    }

    void sysInfoFieldsInTheirOrderAndColumns()
    {
        SystemFacts facts;
        facts.homePlatform = true;
        facts.processorModel = "Intel(R) Xeon(R) Gold 6248"; // the home platform names it by type
        facts.platformName = "Debian GNU/Linux 12 (bookworm)";
        facts.majorVersion = 6;
        facts.minorVersion = 1;
        facts.buildNumber = 55;
        facts.processorCount = 4;
        facts.architecture = SystemFacts::Intel;
        facts.processorType = 586;
        facts.computerName = "host";
        facts.userName = "averyverylonguser"; // longer than the computer name: shown in full
        facts.totalPhysical = 16777216;
        facts.availablePhysical = 524288;
        facts.totalPageSpace = 0;
        facts.systemDirectory = "/home/u/.config/Qor Corporation";
        CSysInfoDlg dialog(facts);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("System Information"));

        const std::pair<int, QString> expected[] = {{327, "Debian GNU/Linux 12 (bookworm)"},
                                                    {328, "6.1"},
                                                    {337, "55"},
                                                    {329, "4"},
                                                    {330, "Intel Pentium"},
                                                    {1000, "host"},
                                                    {334, "averyverylonguser"},
                                                    {331, "16,384 KB"},
                                                    {332, "512 KB"},
                                                    {335, "0 KB"},
                                                    {336, ""},
                                                    {338, "/home/u/.config/Qor Corporation"},
                                                    {339, ""}};
        auto* grid = dialog.findChild<QGridLayout*>();
        QVERIFY(grid);
        for (std::size_t i = 0; i < std::size(expected); ++i) {
            auto* value = FindControl<QLineEdit>(dialog, expected[i].first);
            QVERIFY2(value, qPrintable(QString::number(expected[i].first)));
            QCOMPARE(value->text(), expected[i].second);
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(grid->indexOf(value), &row, &column, &rowSpan, &columnSpan);
            // Seven fields on the left, six on the right, each in table order.
            QCOMPARE(column, i < 7 ? 1 : 3);
            QCOMPARE(row, int(i < 7 ? i : i - 7));
        }
        auto* label = qobject_cast<QLabel*>(grid->itemAtPosition(1, 0)->widget());
        QCOMPARE(label->text(), QStringLiteral("Windows version:"));
    }

    void offTheHomePlatformLabelsSayWhatTheValuesAre()
    {
        SystemFacts facts;
        facts.architecture = SystemFacts::Intel;
        facts.processorType = 586;
        facts.processorModel = "Intel(R) Xeon(R) Gold 6248";
        facts.systemDirectory = "/home/u/.config/Qor Corporation";
        facts.tempDirectory = "/run/user/1000";
        CSysInfoDlg dialog(facts);
        QCOMPARE(FindControl<QLineEdit>(dialog, 330)->text(), QStringLiteral("Intel(R) Xeon(R) Gold 6248"));
        auto* grid = dialog.findChild<QGridLayout*>();
        const auto label = [grid](int row, int column) {
            return qobject_cast<QLabel*>(grid->itemAtPosition(row, column)->widget())->text();
        };
        QCOMPARE(label(0, 0), QStringLiteral("Operating system:"));
        QCOMPARE(label(1, 0), QStringLiteral("Kernel version:"));
        QCOMPARE(label(4, 0), QStringLiteral("Processor type:"));
        QCOMPARE(label(4, 2), QStringLiteral("Settings folder:"));
        QCOMPARE(label(5, 2), QStringLiteral("Temporary folder:"));

        facts.processorModel.clear(); // a system that names no model
        CSysInfoDlg unnamed(facts);
        QCOMPARE(FindControl<QLineEdit>(unnamed, 330)->text(), QStringLiteral("Intel Pentium"));
    }

    void namesFromTheSystemAndFilesStayPlainText()
    {
        // Markup laid out as text is as wide as its characters; rendered, it is one bold letter.
        const auto shownLiterally = [](const QLabel& label) {
            return label.sizeHint().width() >= label.fontMetrics().horizontalAdvance(label.text());
        };
        SystemFacts facts;
        facts.computerName = "<b>h</b>";
        CSysInfoDlg dialog(facts);
        const QLineEdit* name = FindControl<QLineEdit>(dialog, 1000);
        QCOMPARE(name->text(), QStringLiteral("<b>h</b>"));
        QVERIFY(name->minimumWidth() >= name->fontMetrics().horizontalAdvance(name->text()));

        CProgressWindow window;
        static_cast<IProgressSink&>(window).Report("<b>R</b> conversions being added.");
        QVERIFY(shownLiterally(*FindControl<QLabel>(window, 125)));
    }

    void sysInfoValuesAreTabStopsNamedAfterTheirCaptionsAndCopiedByKeyboard()
    {
        SystemFacts facts;
        facts.computerName = "host";
        facts.systemDirectory = "/home/u/.config/Qor Corporation";
        CSysInfoDlg dialog(facts);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
        dialog.findChild<QPushButton*>()->setFocus();
        std::vector<int> reached;
        for (std::size_t stop = 0; stop < kSysInfoFieldCount; ++stop) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            auto* value = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QVERIFY(value && value->isReadOnly());
            reached.push_back(ControlId(*value));
            const QString caption =
                QAccessible::queryAccessibleInterface(value)->text(QAccessible::Name) + ':';
            QVERIFY(std::any_of(labels.begin(), labels.end(), [&](const QLabel* label) {
                return label->buddy() == value && label->text() == caption;
            }));
            QApplication::clipboard()->clear();
            QTest::keyClick(value, Qt::Key_C, Qt::ControlModifier); // Tab selected the whole value
            QCOMPARE(QApplication::clipboard()->text(), value->text());
        }
        // Down the left column, then down the right.
        QCOMPARE(reached,
                 (std::vector<int>{327, 328, 337, 329, 330, 1000, 334, 331, 332, 335, 336, 338, 339}));
    }

    void factsOfThisSystem()
    {
        qputenv("TEMP", "/var/tmp");
        const SystemFacts facts = ReadSystemFacts("x", "/run/user/1000");
        qunsetenv("TEMP");
#ifndef Q_OS_WIN
        QVERIFY(!facts.homePlatform);
        QCOMPARE(facts.tempDirectory, QStringLiteral("/run/user/1000")); // not TEMP: not used here
        QFile cpuinfo("/proc/cpuinfo");
        if (cpuinfo.open(QIODevice::ReadOnly) && cpuinfo.readAll().contains("model name")) {
            QVERIFY(!facts.processorModel.isEmpty());
            QVERIFY(!facts.processorModel.endsWith(' '));
        }
#endif
        QVERIFY(facts.processorCount >= 1);
        QVERIFY(!facts.userName.isEmpty());
    }

    void aboutBoxOpensSystemInformation()
    {
        TestApp app;
        QString caption;
        QString temporaryFolder;
        app.dialogs.steps.push_back([&](QDialog& dialog) {
            caption = dialog.windowTitle();
            temporaryFolder = FindControl<QLineEdit>(dialog, 339)->text();
            return int(QDialog::Accepted);
        });
        CAboutDlg about(app.state, "/etc");
        QCOMPARE(FindControl<QPushButton>(about, 300)->text(), QStringLiteral("Sys Info..."));
        QCOMPARE(FindControl<QPushButton>(about, 1)->text(), QStringLiteral("OK"));
        FindControl<QPushButton>(about, 300)->click();
        QCOMPARE(app.dialogs.runs, 1);
        QCOMPARE(caption, QStringLiteral("System Information"));
#ifndef Q_OS_WIN
        // The folder the drag transfer file goes to.
        QCOMPARE(temporaryFolder, QFileInfo(TransferFilePath()).absolutePath());
        QVERIFY(!temporaryFolder.isEmpty());
#endif
    }

    void progressWindowShowsTheGroupBeingBuilt()
    {
        CProgressWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Updating application settings..."));
        static_cast<IProgressSink&>(window).Report("Creating Distance factor file");
        QCOMPARE(FindControl<QLabel>(window, 125)->text(), QStringLiteral("Creating Distance factor file"));
        QVERIFY(FindControl(window, 7500) && FindControl(window, 7501));
    }

    void settingsVersionDecidesTheProgressWindow_data()
    {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QString>("legacy"); // ConvVersion in kalvex.ini, empty for none
        QTest::addColumn<bool>("shown");
        QTest::newRow("3.5.2") << "3.5.2"
                               << "" << false;
        QTest::newRow("3.5.10") << "3.5.10"
                                << "" << false;
        QTest::newRow("3.6") << "3.6"
                             << "" << false;
        QTest::newRow("4") << "4"
                           << "" << false;
        QTest::newRow("3.5.1") << "3.5.1"
                               << "" << true;
        QTest::newRow("3.5") << "3.5"
                             << "" << true;
        QTest::newRow("3.4.9") << "3.4.9"
                               << "" << true;
        QTest::newRow("1.0 without legacy") << "1.0"
                                            << "" << true;
        QTest::newRow("empty") << ""
                               << "" << true;
        QTest::newRow("no digits") << "abc"
                                   << "" << true;
        QTest::newRow("1.0 with legacy 3.5.2") << "1.0"
                                               << "3.5.2" << false;
        QTest::newRow("legacy only read for 1.0") << "3.5.1"
                                                  << "3.5.2" << true;
    }

    void settingsVersionDecidesTheProgressWindow()
    {
        QFETCH(QString, profile);
        QFETCH(QString, legacy);
        QFETCH(bool, shown);
        TestApp app;
        IniProfileReader reader(std::filesystem::path(app.folder.path().toStdString()));
        app.state.services.legacy = &reader;
        app.settings.WriteString("Settings", "ConvVersion", profile.toStdString());
        if (!legacy.isEmpty()) {
            QFile ini(app.folder.filePath("kalvex.ini"));
            QVERIFY(ini.open(QIODevice::WriteOnly));
            ini.write("[Settings]\r\nConvVersion=" + legacy.toLatin1() + "\r\n");
        }
        QCOMPARE(NeedsSettingsUpdate(app.state), shown);
    }

    void helpIndexFindsPagesByContextNumber()
    {
        const HelpIndex index = HelpIndex::Parse("# comment\n"
                                                 "5001 tables.html Tables of conversion units\n"
                                                 "\n"
                                                 "69640-69654 units.html#top Choosing units\n"
                                                 "3015 units.html Unit order\n"
                                                 "bad line\n");
        QCOMPARE(index.Find(5001)->page, QStringLiteral("tables.html"));
        QCOMPARE(index.Find(69640)->title, QStringLiteral("Choosing units"));
        QCOMPARE(index.Find(69654)->page, QStringLiteral("units.html#top"));
        QVERIFY(!index.Find(69655));
        QVERIFY(!index.Find(0));
        const auto contents = index.Contents();
        QCOMPARE(contents.size(), std::size_t(2));
        QCOMPARE(contents[1].page, QStringLiteral("units.html"));
    }

    void everyProgramTopicHasAPage()
    {
        const HelpIndex index = HelpIndex::LoadFrom(":/help/topics.txt");
        QVERIFY(!index.IsEmpty());
        std::vector<int> topics = {5001, 2001, 1005, 3001, 4001, 8001,  1200,
                                   1210, 1211, 1220, 3010, 3015, 68544, 0x20000 + 128};
        for (int id = 17001; id <= 17028; ++id)
            topics.push_back(id);
        for (int command : {103, 3007, 3008, 3101, 3102, 3103, 57664, 57665, 57666, 57668, 59393, 4202, 4203,
                            4204, 4205, 4206, 4207})
            topics.push_back(0x10000 + command);
        for (int group = 4103; group <= 4137; ++group) {
            topics.push_back(0x10000 + group);
            topics.push_back(0x10000 + group + 249);
            if (group >= 4118)
                topics.push_back(0x10000 + group + 349);
            if (group > 4103) {
                topics.push_back(0x10000 + group + 49);
                topics.push_back(0x10000 + group + 149);
            }
        }
        for (int topic : topics) {
            const HelpIndex::Topic* found = index.Find(topic);
            QVERIFY2(found, qPrintable(QString::number(topic)));
            QVERIFY2(QFile::exists(":/help/" + found->page.section('#', 0, 0)), qPrintable(found->page));
        }
        for (const HelpIndex::Topic& page : index.Contents())
            QVERIFY2(QFile::exists(":/help/" + page.page), qPrintable(page.page));
        QVERIFY(QFile::exists(":/help/using_help.html"));
        QVERIFY(QFile::exists(":/help/contents.html"));
    }

    void helpWindowShowsTopicsByNumber()
    {
        QtHelpService help;
        help.ShowTopic(17001);
        QVERIFY(help.Window()->isVisible());
        QCOMPARE(help.Window()->CurrentPage(), QStringLiteral("control_17001.html"));
        help.ShowTopic(1211);
        QCOMPARE(help.Window()->CurrentPage(), QStringLiteral("conversion_window.html#all"));
        help.ShowHelpOnHelp();
        QCOMPARE(help.Window()->CurrentPage(), QStringLiteral("using_help.html"));
        help.ShowTopic(99); // no page of its own: the contents
        QCOMPARE(help.Window()->CurrentPage(), QStringLiteral("contents.html"));
        auto* topics = help.Window()->findChild<QListWidget*>("topicList");
        QCOMPARE(topics->currentItem()->text(), QStringLiteral("Contents"));
        topics->setCurrentRow(2);
        emit topics->itemClicked(topics->currentItem());
        QVERIFY(help.Window()->CurrentPage() != QStringLiteral("contents.html"));
        help.Close();
        QTRY_VERIFY(!help.Window());
    }

    void registeredIdsAreStablePerName()
    {
        const unsigned list = RegisteredIds::Register("String List");
        QCOMPARE(RegisteredIds::Register("String List"), list);
        QVERIFY(RegisteredIds::Register("DDCDODROP") != list);
        QVERIFY(list >= unsigned(QEvent::User));
    }

    void secondInstanceAsksTheFirstToRaise()
    {
        SingleInstance first(QStringLiteral("KalvexTest"));
        QVERIFY(first.Claim());
        QSignalSpy raised(&first, &SingleInstance::raiseRequested);
        {
            SingleInstance second(QStringLiteral("KalvexTest"));
            QVERIFY(!second.Claim());
        }
        QTRY_COMPARE(raised.count(), 1);
    }

    void directoryPickerAnswersEndWithOneSeparator()
    {
        QCOMPARE(WithTrailingSeparator("/tmp/x"), std::string("/tmp/x/"));
        QCOMPARE(WithTrailingSeparator("/tmp/x/"), std::string("/tmp/x/"));
        QCOMPARE(WithTrailingSeparator("/"), std::string("/"));
    }
};

int main(int argc, char** argv)
{
    kalvex::testing::IsolateUserFolders();
    QApplication application(argc, argv);
    ShellPartsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "shell_parts_test.moc"
