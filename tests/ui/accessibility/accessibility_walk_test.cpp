// Every window the program opens, walked as assistive tools walk it: each object that takes the
// focus or acts must have a name that says what it is.
#include "tests/ui/shell/launcher_fixture.h"

#include "core/group_ids.h"
#include "platform/qt/qt_help_service.h"
#include "platform/qt/qt_message_service.h"
#include "storage/factor_file.h"
#include "storage/settings_profile.h"
#include "tests/support/local_http_server.h"
#include "tests/ui/support/isolated_environment.h"
#include "ui/conversion/exchange_rates_update.h"
#include "ui/shell/about_dlg.h"
#include "ui/shell/command_ids.h"
#include "ui/shell/find_unit_bar.h"
#include "ui/shell/launcher_pane.h"
#include "ui/shell/progress_window.h"
#include "ui/shell/splash_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaEnum>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>
#include <set>

using namespace kalvex;
using namespace kalvex::testing;

namespace {

// What a screen reader's user can reach or use.
bool NeedsName(QAccessibleInterface& node)
{
    static const std::set<QAccessible::Role> kActingRoles = {
        QAccessible::PushButton,   QAccessible::CheckBox, QAccessible::RadioButton, QAccessible::ComboBox,
        QAccessible::EditableText, QAccessible::Slider,   QAccessible::List,        QAccessible::ListItem};
    const QAccessibleActionInterface* actions = node.actionInterface();
    return node.state().focusable || (actions && !actions->actionNames().isEmpty()) ||
           kActingRoles.count(node.role()) != 0;
}

// "Button QPushButton okButton in aboutDlg": enough to find the object in the sources.
QString Describe(QAccessibleInterface& node)
{
    QString text = QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(node.role()));
    QObject* object = node.object();
    for (QAccessibleInterface* up = &node; !object && up; up = up->parent())
        object = up->object(); // an item: named by the widget it lies in
    for (bool first = true; object; object = object->parent(), first = false) {
        text += first ? QStringLiteral(" %1 ").arg(QLatin1String(object->metaObject()->className()))
                      : QStringLiteral(" in ");
        const bool window = object->isWidgetType() && static_cast<QWidget*>(object)->isWindow();
        text += !object->objectName().isEmpty() ? object->objectName()
                : window                        ? QLatin1String(object->metaObject()->className())
                                                : QStringLiteral("?");
        if (window)
            break;
    }
    return text;
}

// The main window, and what the walk found in it and the windows it opened.
struct WalkFixture : MainWindowApp {
    // Walks a shown window's accessible tree; hidden parts are not offered to assistive tools.
    // The window itself must read as one, named by its title.
    void Walk(QWidget& window)
    {
        ++windows;
        QAccessibleInterface* top = QAccessible::queryAccessibleInterface(&window);
        static const std::set<QAccessible::Role> kWindowRoles = {QAccessible::Window, QAccessible::Dialog,
                                                                 QAccessible::AlertMessage};
        if (!kWindowRoles.count(top->role()) || top->text(QAccessible::Name).isEmpty())
            unnamed << QStringLiteral("not a named window: ") + Describe(*top);
        Collect(top);
    }
    void Collect(QAccessibleInterface* node)
    {
        if (!node || node->state().invisible)
            return;
        if (NeedsName(*node)) {
            ++checked;
            if (node->text(QAccessible::Name).trimmed().isEmpty())
                unnamed << Describe(*node);
        }
        for (int i = 0; i < node->childCount(); ++i)
            Collect(node->child(i));
    }
    // The next nested dialog is walked as it opens, then closed.
    void WalkNextDialog()
    {
        app.dialogs.steps.push_back([this](QDialog& dialog) {
            Walk(dialog);
            return 0;
        });
    }
    void Command(int id) { QVERIFY(pane->OnCommand(id)); }
    void ShowAllUnits(int groupId)
    {
        const std::string file = FactorFileName(app.state.m_factorPath, groupId);
        CConversion group;
        QVERIFY(LoadFactorFile(file, group));
        group.m_showAll = 1;
        QVERIFY(SaveFactorFile(group, file, app.replacer));
    }

    int windows = 0;
    int checked = 0; // objects that need a name
    QStringList unnamed;
};

using Opener = void (*)(WalkFixture&);

void WalkNested(WalkFixture& f, int command)
{
    f.WalkNextDialog();
    f.Command(command);
}

// A window that runs its own loop is walked, then ended by `close`, from inside that loop.
template <typename Window> void WalkModalOnceOpen(WalkFixture& f, void (*close)(Window&))
{
    QTimer::singleShot(0, [&f, close] {
        if (auto* window = qobject_cast<Window*>(QApplication::activeModalWidget())) {
            f.Walk(*window);
            close(*window);
        }
    });
}

// One row per window the program opens.
const struct {
    const char* window;
    int windows; // how many windows the row walks
    Opener open;
} kWindows[] = {
    {"main frame with launcher", 1, [](WalkFixture& f) { f.Walk(*f.frame); }},
    {"find bar", 1,
     [](WalkFixture& f) {
         f.Command(command::kFindUnit);
         QTest::keyClicks(&f.pane->FindBar().Field(), QStringLiteral("in"));
         f.Walk(*f.frame);
     }},
    {"conversion window", 1, [](WalkFixture& f) { WalkNested(f, kDistanceId); }},
    {"temperature", 1, [](WalkFixture& f) { WalkNested(f, kTemperatureId); }},
    {"all units", 1,
     [](WalkFixture& f) {
         f.ShowAllUnits(kMassId);
         WalkNested(f, kMassId);
     }},
    {"group editor, new group", 1, [](WalkFixture& f) { WalkNested(f, command::kNewCustom); }},
    {"group editor, factors", 1, [](WalkFixture& f) { WalkNested(f, kDistanceId + kFactorsCommandOffset); }},
    {"unit order", 1, [](WalkFixture& f) { WalkNested(f, kDistanceId + kUnitsCommandOffset); }},
    {"enable or disable groups", 1, [](WalkFixture& f) { WalkNested(f, command::kGroups); }},
    {"about box and system information", 2,
     [](WalkFixture& f) {
         CAboutDlg about(f.app.state, QStringLiteral("/"), f.frame.get());
         about.show();
         f.Walk(about);
         f.WalkNextDialog();
         about.OnSysInfo();
     }},
    {"help window", 1,
     [](WalkFixture& f) {
         QtHelpService help;
         help.ShowContents();
         help.Window()->ShowPage(QStringLiteral("keyboard.html"));
         f.Walk(*help.Window());
     }},
    {"group name", 1,
     [](WalkFixture& f) {
         // A copy of a group whose name is taken asks for another name.
         f.app.files.answers.push_back(FactorFileName(f.app.state.m_factorPath, kDistanceId));
         WalkNested(f, command::kImportGroup);
     }},
    {"start-up and progress windows", 3,
     [](WalkFixture& f) {
         CSplashWindow splash;
         splash.show();
         f.Walk(splash);
         CProgressWindow settingsProgress;
         settingsProgress.ShowAndPaint();
         f.Walk(settingsProgress);
         LocalHttpServer server;
         server.Serve(QStringLiteral("/silent.xml"), {200, {}, true});
         WriteSetting(f.app.settings, profile::kRatesUrl,
                      server.Url(QStringLiteral("/silent.xml")).toStdString());
         WalkModalOnceOpen<QProgressDialog>(f, [](QProgressDialog& progress) { progress.cancel(); });
         QVERIFY(!UpdateExchangeRates(f.app.state, f.app.current.Record(), f.frame.get()));
     }},
    {"message box", 1,
     [](WalkFixture& f) {
         WalkModalOnceOpen<QMessageBox>(f,
                                        [](QMessageBox& box) { box.button(QMessageBox::Discard)->click(); });
         QtMessageService messages;
         messages.Show(
             {"Discard the changes?", {}, MessageButtons::DiscardKeepEditing, MessageIcon::Question});
     }},
};

} // namespace

class AccessibilityWalkTest : public QObject {
    Q_OBJECT

private slots:
    void everyActingObjectHasAName_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(std::size(kWindows)); ++row)
            QTest::newRow(kWindows[row].window) << row;
    }
    void everyActingObjectHasAName()
    {
        QFETCH(int, row);
        WalkFixture f;
        kWindows[row].open(f);
        QCOMPARE(f.app.dialogs.unexpected, 0);
        QCOMPARE(f.watchdog.caught, 0);
        QCOMPARE(f.windows, kWindows[row].windows);
        QVERIFY(f.checked > 0);
        QVERIFY2(f.unnamed.isEmpty(),
                 qPrintable(QStringLiteral("\n  ") + f.unnamed.join(QStringLiteral("\n  "))));
    }
};

int main(int argc, char** argv)
{
    IsolateUserFolders();
    QApplication app(argc, argv);
    AccessibilityWalkTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "accessibility_walk_test.moc"
