#include "launcher_fixture.h"

#include "storage/builtin_groups.h"
#include "storage/factor_file.h"
#include "storage/settings_profile.h"
#include "tests/support/real_disk.h"
#include "tests/ui/support/group_editor_driver.h"
#include "tests/ui/support/isolated_environment.h"
#include "ui/controls/control_id.h"
#include "ui/conversion/conversion_dlg.h"
#include "ui/editing/unit_order_dlg.h"
#include "ui/shell/launcher_icons.h"
#include "ui/shell/launcher_label.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPainter>
#include <QScreen>
#include <QSet>

using namespace kalvex;
using kalvex::testing::GroupEditorDriver;
using kalvex::testing::LauncherFixture;

namespace {

std::vector<int> Range(int first, int last, int skip = 0)
{
    std::vector<int> ids;
    for (int id = first; id <= last; ++id)
        if (id != skip)
            ids.push_back(id);
    return ids;
}

int Setting(LauncherFixture& f, const std::string& key)
{
    return f.app.settings.ReadInt("Settings", key, -99);
}

} // namespace

class KalvexViewTest : public QObject {
    Q_OBJECT

private slots:
    void firstUpdateLaysOutTheEnabledGroups()
    {
        LauncherFixture f;
        auto* splash = new QWidget;
        QPointer<QWidget> splashAlive(splash);
        f.frame->SetSplashWindow(splash);
        splash->show();
        f.Show();
        QCOMPARE(f.view->Grid().Columns(), 3);
        QCOMPARE(f.view->Grid().Rows(), 5);
        QCOMPARE(f.view->Grid().LayoutSize(), QSize(224, 352));
        QCOMPARE(f.State().m_gridColumns, 3);
        QCOMPARE(f.view->EntryCount(), 15);
        QCOMPARE(f.view->EntryName(0), QStringLiteral("Temperature"));
        QCOMPARE(f.view->EntryName(1), QStringLiteral("Distance"));
        QCOMPARE(f.view->EntryGroupId(14), 4117);
        QCOMPARE(f.State().m_groupNames[1], std::string("distance"));
        QCOMPARE(f.State().m_groupPrompts[0], BuiltinGroupDescription(4103));
        QCOMPARE(f.State().m_groupPrompts[1], BuiltinGroupDescription(4104));
        QTRY_VERIFY(splashAlive.isNull() || !splashAlive->isVisible());
        delete splashAlive.data();
    }

    void menusListExactlyTheEnabledGroups()
    {
        LauncherFixture f;
        f.Show();
        QCOMPARE(LauncherFixture::CommandIds(f.frame->ConversionMenu()), Range(4103, 4117));
        QCOMPARE(LauncherFixture::CommandIds(f.frame->UnitsMenu()), Range(4153, 4166));
        QCOMPARE(LauncherFixture::CommandIds(f.frame->FactorsMenu()), Range(4253, 4266));
        QCOMPARE(f.frame->ConversionMenu()->actions().at(1)->text(), QStringLiteral("Distance"));

        QVERIFY(f.view->OnCommand(4105 + 249)); // Disable Mass
        QCOMPARE(LauncherFixture::CommandIds(f.frame->ConversionMenu()), Range(4103, 4117, 4105));
        QCOMPARE(LauncherFixture::CommandIds(f.frame->UnitsMenu()), Range(4153, 4166, 4154));
        QCOMPARE(LauncherFixture::CommandIds(f.frame->FactorsMenu()), Range(4253, 4266, 4254));
        QCOMPARE(Setting(f, "Conv03"), 0);
        QCOMPARE(Setting(f, "NumStd"), 14);
        QCOMPARE(f.view->EntryCount(), 14);
        QCOMPARE(f.view->EntryName(2), QStringLiteral("Volume"));
    }

    void clickSelectsOnlyOnAnIcon()
    {
        LauncherFixture f;
        f.Show();
        QTest::mouseClick(f.view->viewport(), Qt::LeftButton, {}, f.IconCentre(4));
        QCOMPARE(f.view->SelectedEntry(), 4);
        // The gap between two icons selects nothing; the upper label band selects its icon.
        QTest::mouseClick(f.view->viewport(), Qt::LeftButton, {}, QPoint(70, 20));
        QCOMPARE(f.view->SelectedEntry(), 4);
        const QRect label = f.view->Grid().LabelBox(1);
        QTest::mouseClick(f.view->viewport(), Qt::LeftButton, {},
                          QPoint(label.center().x(), label.top() + 2));
        QCOMPARE(f.view->SelectedEntry(), 1);
        QCOMPARE(f.view->HelpHitTest(f.view->viewport()->mapTo(f.view, f.IconCentre(1))), 65536 + 4104);
        QCOMPARE(f.view->HelpHitTest(QPoint(70, 20)), 0);
    }

    void keysMoveTheSelectionAndEnterOpens()
    {
        LauncherFixture f;
        f.Show();
        f.view->setFocus();
        QTest::keyClick(f.view, Qt::Key_Return);
        QCOMPARE(f.app.dialogs.runs, 0);
        QTest::keyClick(f.view, Qt::Key_Right);
        QCOMPARE(f.view->SelectedEntry(), 0);
        QTest::keyClick(f.view, Qt::Key_Up);
        QCOMPARE(f.view->SelectedEntry(), 12);
        QTest::keyClick(f.view, Qt::Key_Down);
        QCOMPARE(f.view->SelectedEntry(), 0);
        QTest::keyClick(f.view, Qt::Key_End);
        QTest::keyClick(f.view, Qt::Key_Right);
        QCOMPARE(f.view->SelectedEntry(), 0);
        QTest::keyClick(f.view, Qt::Key_Right);

        bool openedDistance = false;
        f.app.dialogs.steps.push_back([&](QDialog& dialog) {
            openedDistance =
                qobject_cast<CConversionDlg*>(&dialog) && f.app.current.Record().m_name == "Distance";
            return 0;
        });
        QTest::keyClick(f.view, Qt::Key_Return);
        QVERIFY(openedDistance);
    }

    void doubleClickOpensTheGroupUnderTheMouse()
    {
        LauncherFixture f;
        f.Show();
        QString opened;
        f.app.dialogs.steps.push_back([&](QDialog& dialog) {
            if (qobject_cast<CConversionDlg*>(&dialog))
                opened = QString::fromStdString(f.app.current.Record().m_name);
            return 0;
        });
        QTest::mouseDClick(f.view->viewport(), Qt::LeftButton, {}, f.IconCentre(2));
        QCOMPARE(opened, QStringLiteral("Mass"));
        QCOMPARE(f.app.dialogs.unexpected, 0);
    }

    void openingAMissingOrTooSmallGroupWarns()
    {
        LauncherFixture f;
        f.Show();
        QVERIFY(QFile::remove(QString::fromStdString(f.FactorFile("Dist"))));
        QVERIFY(f.view->OnCommand(4104));
        QCOMPARE(f.app.messages.Last()->text, std::string("Can't find conversion group file!"));
        QCOMPARE(f.app.messages.Last()->icon, MessageIcon::Warning);
        QCOMPARE(f.app.messages.beeps.back(), MessageIcon::Warning);

        CConversion group;
        QVERIFY(LoadFactorFile(f.FactorFile("Mass"), group));
        group.m_shownCount = 1;
        QVERIFY(SaveFactorFile(group, f.FactorFile("Mass"), kalvex::testing::RealDisk()));
        QVERIFY(f.view->OnCommand(4105));
        QCOMPARE(f.app.messages.Last()->text,
                 std::string("There must be at least two units defined before you can use the converter!"));
        QCOMPARE(f.app.dialogs.runs, 0);
    }

    void unreadableGroupIsListedAsNotFound()
    {
        LauncherFixture f;
        f.Show();
        QVERIFY(QFile::remove(QString::fromStdString(f.FactorFile("Mass"))));
        f.view->Rebuild();
        QCOMPARE(f.view->EntryName(2), QStringLiteral("Not Found"));
        QCOMPARE(f.frame->ConversionMenu()->actions().at(2)->text(), QStringLiteral("Not Found"));
        QCOMPARE(f.State().m_groupPrompts[2], BuiltinGroupDescription(4105));
    }

    void rightClickMenuOnTemperature()
    {
        LauncherFixture f;
        f.Show();
        QTest::mouseClick(f.view->viewport(), Qt::LeftButton, {}, f.IconCentre(3));
        QTest::mousePress(f.view->viewport(), Qt::RightButton, {}, f.IconCentre(0));
        QMenu* menu = f.view->ContextMenu();
        QVERIFY(menu);
        QCOMPARE(LauncherFixture::CommandIds(menu), (std::vector<int>{4103, 4352, 4152, 4252}));
        QStringList texts;
        for (QAction* action : menu->actions())
            if (!action->isSeparator())
                texts << action->text();
        QCOMPARE(texts, (QStringList{"Open", "Disable", "Units...", "Factors..."}));
        QVERIFY(!menu->actions().at(4)->isEnabled());
        QVERIFY(!menu->actions().at(5)->isEnabled());
        QCOMPARE(f.view->SelectedEntry(), 3);

        menu->actions().at(2)->trigger();
        QCOMPARE(Setting(f, "Conv01"), 0);
        QCOMPARE(Setting(f, "NumStd"), 14);
        QCOMPARE(f.view->EntryCount(), 14);
        QCOMPARE(f.view->EntryName(0), QStringLiteral("Distance"));
    }

    void newCustomCreatesTheNextCustomGroupUntilTheLimit()
    {
        LauncherFixture f;
        f.Show();
        f.app.dialogs.steps.push_back([](QDialog& dialog) {
            GroupEditorDriver editor(dialog);
            GroupEditorDriver::Type(editor.Field(100), QStringLiteral("Lengths"));
            GroupEditorDriver::Type(editor.Field(108), QStringLiteral("spans and cubits"));
            editor.AddUnit(QStringLiteral("span"), QStringLiteral("sp"), QString());
            editor.AddUnit(QStringLiteral("cubit"), QStringLiteral("cu"), QStringLiteral("0.5"));
            editor.Click(699);
            return dialog.result();
        });
        QVERIFY(f.view->OnCommand(3007));
        QCOMPARE(Setting(f, "NumCust"), 1);
        QCOMPARE(Setting(f, "NumActCust"), 1);
        QCOMPARE(Setting(f, "Cust01"), 1);
        CConversion stored;
        QVERIFY(LoadFactorFile(f.FactorFile("Cust01"), stored));
        QCOMPARE(stored.m_name, std::string("Lengths"));
        QCOMPARE(stored.m_description, std::string("spans and cubits"));
        QCOMPARE(stored.m_units[1], std::string("cubit,cu"));
        QCOMPARE(stored.m_factors[1][0], 0.5);
        QCOMPARE(f.view->EntryCount(), 16);
        QCOMPARE(f.view->EntryName(15), QStringLiteral("Lengths"));
        QAction* item = f.frame->ConversionMenu()->actions().last();
        QCOMPARE(item->text(), QStringLiteral("&0 Lengths"));
        QCOMPARE(item->data().toInt(), 4118);
        QVERIFY(f.frame->ConversionMenu()->actions().at(15)->isSeparator());
        QCOMPARE(LauncherFixture::CommandIds(f.frame->UnitsMenu()).back(), 4167);

        // The second goes to Cust02 with its own commands, after the first.
        f.app.dialogs.steps.push_back([](QDialog& dialog) {
            GroupEditorDriver editor(dialog);
            GroupEditorDriver::Type(editor.Field(100), QStringLiteral("Beats"));
            editor.AddUnit(QStringLiteral("beat"), QStringLiteral("b"), QString());
            editor.AddUnit(QStringLiteral("bar"), QStringLiteral("br"), QStringLiteral("0.25"));
            editor.Click(699);
            return dialog.result();
        });
        QVERIFY(f.view->OnCommand(3007));
        QCOMPARE(Setting(f, "NumCust"), 2);
        QCOMPARE(Setting(f, "Cust02"), 1);
        QVERIFY(LoadFactorFile(f.FactorFile("Cust02"), stored));
        QCOMPARE(stored.m_name, std::string("Beats"));
        QVERIFY(LoadFactorFile(f.FactorFile("Cust01"), stored));
        QCOMPARE(stored.m_name, std::string("Lengths"));
        QCOMPARE(f.view->EntryName(16), QStringLiteral("Beats"));
        QCOMPARE(f.view->EntryGroupId(16), 4119);
        QCOMPARE(f.frame->ConversionMenu()->actions().last()->text(), QStringLiteral("&1 Beats"));
        QCOMPARE(LauncherFixture::CommandIds(f.frame->UnitsMenu()).back(), 4168);
        QCOMPARE(LauncherFixture::CommandIds(f.frame->FactorsMenu()).back(), 4268);
        QCOMPARE(f.frame->PromptFor(4168), QStringLiteral("Change the beats units"));

        f.app.settings.WriteInt("Settings", "NumCust", 20);
        f.State().m_numCust = 20;
        QVERIFY(f.view->OnCommand(3007));
        QCOMPARE(f.app.dialogs.runs, 2);
        const MessageRequest* refusal = f.app.messages.Last();
        QCOMPARE(refusal->text,
                 std::string("You have reached the maximum of 20 custom groups.\nYou can redefine the "
                             "conversions in one of your existing groups to add more factors."));
        QCOMPARE(refusal->caption, std::string("Error"));
        QCOMPARE(refusal->icon, MessageIcon::Information);
        QCOMPARE(f.app.messages.beeps.back(), MessageIcon::Information);
    }

    void namesFromFilesShowTheirAmpersandsLiterally()
    {
        LauncherFixture f;
        CConversion group;
        QVERIFY(LoadFactorFile(f.FactorFile("Dist"), group));
        group.m_name = "Dist & Co";
        QVERIFY(SaveFactorFile(group, f.FactorFile("Dist"), kalvex::testing::RealDisk()));
        group.m_name = "R&D <b>x</b>";
        QVERIFY(SaveFactorFile(group, f.FactorFile("Cust01"), kalvex::testing::RealDisk()));
        f.State().m_numCust = 1;
        f.State().m_numActCust = 1;
        f.State().m_enabledCount = 16;
        f.Show();

        QCOMPARE(f.view->EntryName(1), QStringLiteral("Dist & Co"));
        QCOMPARE(f.view->EntryName(15), QStringLiteral("R&D <b>x</b>"));
        QCOMPARE(f.frame->CommandAction(4104)->text(), QStringLiteral("Dist && Co"));
        QCOMPARE(f.frame->UnitsMenu()->actions().first()->text(), QStringLiteral("Dist && Co"));
        QCOMPARE(f.frame->CommandAction(4118)->text(), QStringLiteral("&0 R&&D <b>x</b>"));
        QCOMPARE(f.frame->PromptFor(4167), QStringLiteral("Change the r&d <b>x</b> units"));

        // Drawn under the icon, the "&" is a character, not a mnemonic that vanishes.
        QImage plain(200, 40, QImage::Format_RGB32);
        QImage withAmpersand(200, 40, QImage::Format_RGB32);
        const auto ink = [](QImage& image, const QString& name) {
            image.fill(Qt::white);
            QPainter painter(&image);
            QPalette palette;
            palette.setColor(QPalette::Base, Qt::white);
            palette.setColor(QPalette::Text, Qt::black);
            DrawLabel(painter, palette, image.rect(), name, false);
            painter.end();
            int dark = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
            return dark;
        };
        QVERIFY(ink(withAmpersand, QStringLiteral("W&")) > ink(plain, QStringLiteral("W")));
    }

    void darkPaletteLabelsStandOnTheViewsOwnColours()
    {
        LauncherFixture f;
        f.Show();
        QPalette dark = f.view->palette();
        dark.setColor(QPalette::Base, QColor(32, 32, 32));
        dark.setColor(QPalette::Window, QColor(32, 32, 32));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        f.view->setPalette(dark);
        const QImage shown = f.view->viewport()->grab().toImage();
        const QRect box = f.view->Grid().LabelBox(1);
        int light = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                light += qGray(shown.pixel(x, y)) > 128 ? 1 : 0;
        // Text alone covers far less than half of its box; a light stripe covers all of it.
        QVERIFY2(light < box.width() * box.height() / 2, qPrintable(QString::number(light)));
    }

    void unitOrderResultIsCommitted()
    {
        LauncherFixture f;
        f.Show();
        f.app.dialogs.steps.push_back([&](QDialog& dialog) {
            auto* order = qobject_cast<CUnitOrderDlg*>(&dialog);
            if (!order)
                return 0;
            for (int k = 0; k < 15; ++k)
                FindControl<QComboBox>(dialog, 101 + k)->setCurrentIndex(k < 2 ? 3 - k : 0);
            SendCommand(dialog, 699);
            return dialog.result();
        });
        QVERIFY(f.view->OnCommand(4153));
        CConversion stored;
        QVERIFY(LoadFactorFile(f.FactorFile("Dist"), stored));
        QCOMPARE(stored.m_shownCount, 2);
        QCOMPARE(stored.m_unitOrder[0], 3);
        QCOMPARE(stored.m_unitOrder[1], 2);
        QCOMPARE(f.app.busy.depth, 0);
        QVERIFY(f.app.busy.begun > 0);
    }

    void unitOrderAndGroupsDialogsOpenCentredOnTheDesktop()
    {
        LauncherFixture f;
        f.Show();
        f.frame->move(0, 0); // away from the centre, so a dialog centred on its owner shows
        const QPoint desktopCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
        std::vector<QString> offCentre;
        const auto checkCentred = [&](QDialog& dialog) {
            // Before a window shows, room for a title bar is reserved above it; without a window
            // manager none comes, so the window may sit up to half a title bar low.
            const int titleBar = dialog.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &dialog);
            const QPoint offset = dialog.frameGeometry().center() - desktopCentre;
            if (std::abs(offset.x()) > 8 || std::abs(offset.y()) > titleBar / 2 + 8)
                offCentre.push_back(dialog.windowTitle());
            return 0;
        };
        f.app.dialogs.steps.push_back(checkCentred);
        f.app.dialogs.steps.push_back(checkCentred);
        QVERIFY(f.view->OnCommand(4153));
        QVERIFY(f.view->OnCommand(3008));
        QCOMPARE(f.app.dialogs.runs, 2);
        QCOMPARE(offCentre, std::vector<QString>{});
    }

    void iconsAreAccessibleItemsNamedAfterTheirGroupsThatCanBePressed()
    {
        LauncherFixture f;
        f.Show();
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(f.view);
        QVERIFY(list);
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Conversion groups"));
        QCOMPARE(list->childCount(), 15);
        QAccessibleInterface* distance = list->child(1);
        QVERIFY(distance);
        QCOMPARE(distance->role(), QAccessible::ListItem);
        QCOMPARE(distance->text(QAccessible::Name), QStringLiteral("Distance"));
        QCOMPARE(list->indexOfChild(distance), 1);
        f.view->SelectEntry(1);
        QVERIFY(distance->state().selected);
        QVERIFY(!list->child(0)->state().selected);

        // Described by the group's prompt; pressed, it opens as Enter does, once the tool has its answer.
        QAccessibleInterface* mass = list->child(2);
        QCOMPARE(mass->text(QAccessible::Description), QString::fromStdString(BuiltinGroupDescription(4105)));
        QCOMPARE(mass->actionInterface()->actionNames(),
                 QStringList{QAccessibleActionInterface::pressAction()});
        QString opened;
        f.app.dialogs.steps.push_back([&](QDialog& dialog) {
            if (qobject_cast<CConversionDlg*>(&dialog))
                opened = QString::fromStdString(f.app.current.Record().m_name);
            return 0;
        });
        mass->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(f.app.dialogs.runs, 0);
        QTRY_COMPARE(opened, QStringLiteral("Mass"));
        QCOMPARE(f.view->SelectedEntry(), 2);
    }

    void everyGroupHasAnIconSharpAtDoubleScale()
    {
        QSet<QString> paths;
        for (int i = 0; i <= 15; ++i) {
            const QPixmap icon = RenderGroupIcon(i, QSize(32, 32), 2.0);
            QVERIFY2(!icon.isNull(), qPrintable(GroupIconPath(i)));
            QCOMPARE(icon.size(), QSize(64, 64));
            QVERIFY(icon.toImage().pixelColor(32, 32).alpha() > 0);
            paths.insert(GroupIconPath(i));
        }
        QCOMPARE(paths.size(), 16);
        QCOMPARE(GroupIconPath(14), QStringLiteral(":/icons/acceleration.svg"));
    }

    void destroyingTheViewSavesTemperatureSettings()
    {
        LauncherFixture f;
        f.State().m_tempDigits = 9;
        f.State().m_tempScientific = 1;
        f.frame.reset();
        QCOMPARE(Setting(f, "NumDigits"), 9);
        QCOMPARE(Setting(f, "Scientific"), 1);
    }
};

int main(int argc, char** argv)
{
    kalvex::testing::IsolateUserFolders();
    QApplication application(argc, argv);
    KalvexViewTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "kalvex_view_test.moc"
