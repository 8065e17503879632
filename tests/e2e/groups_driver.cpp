#include "tests/e2e/groups_driver.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace kalvex::e2e {
namespace {

constexpr int kTickMs = 20;
constexpr int kGiveUpTicks = 1500;

void Report(const char* what, const QString& text)
{
    std::printf("e2e %s %s\n", what, qPrintable(QString(text).replace('\n', ' ')));
    std::fflush(stdout);
}

template <typename T> T* WithId(QWidget& window, int id)
{
    for (T* widget : window.findChildren<T*>())
        if (widget->property("controlId").toInt() == id)
            return widget;
    return nullptr;
}

QAbstractScrollArea* Launcher()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* view = window->findChild<QAbstractScrollArea*>(QStringLiteral("launcherView")))
            return view->isVisible() ? view : nullptr;
    return nullptr;
}

bool TriggerCommand(int id)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* action = window->findChild<QAction*>(QStringLiteral("command%1").arg(id))) {
            action->trigger(); // returns when the command's dialogs have closed
            return true;
        }
    return false;
}

} // namespace

GroupsDriver::GroupsDriver()
{
    const QString script = qEnvironmentVariable("KALVEX_GROUPS_SCRIPT");
    const qsizetype race = script.indexOf(QLatin1String(" race "));
    m_script = script.left(race).split(' ');
    if (race >= 0)
        m_race = script.mid(race + 6);
    QTimer::singleShot(kTickMs, this, &GroupsDriver::Tick);
}

void GroupsDriver::Tick()
{
    // A fresh timer every tick keeps ticking inside the modal loops the commands open.
    QTimer::singleShot(kTickMs, this, &GroupsDriver::Tick);
    if (++m_ticks > kGiveUpTicks) {
        Report("timeout", m_script.join(' '));
        std::_Exit(3);
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        AnswerModal(*modal);
        return;
    }
    if (!m_acted && Launcher() && Act())
        ListAndEnd();
}

bool GroupsDriver::Act()
{
    m_acted = true;
    const QString verb = m_script.value(0);
    const QString argument = m_script.mid(1).join(' ');
    if (verb == QLatin1String("new"))
        return TriggerCommand(3007);
    if (verb == QLatin1String("import"))
        return TriggerCommand(3101);
    if (verb == QLatin1String("delete")) {
        QAbstractScrollArea* view = Launcher();
        QAccessibleInterface* launcher = QAccessible::queryAccessibleInterface(view);
        for (int i = 0; launcher && i < launcher->childCount(); ++i) {
            QAccessibleInterface* icon = launcher->child(i);
            if (icon && icon->text(QAccessible::Name) == argument) {
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                                  view->viewport()->mapFromGlobal(icon->rect().center()));
                // The menu brings its items up to date as it opens, as when the user opens it.
                for (QWidget* window : QApplication::topLevelWidgets())
                    if (auto* edit = window->findChild<QMenu*>(QStringLiteral("editMenu")))
                        emit edit->aboutToShow();
                return TriggerCommand(3103);
            }
        }
        Report("missing", argument);
        return true;
    }
    return verb == QLatin1String("list");
}

void GroupsDriver::AnswerModal(QWidget& modal)
{
    if (!m_race.isEmpty())
        RunRacingImport();
    if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
        Report("message", box->text());
        QAbstractButton* yes = box->button(QMessageBox::Yes);
        (yes ? yes : box->buttons().value(0))->click();
    } else if (auto* files = qobject_cast<QFileDialog*>(&modal)) {
        // Typed, as the user would: the dialog's own file list may still be loading.
        auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->setText(m_script.mid(1).join(' '));
        QTest::keyClick(name, Qt::Key_Return);
    } else if (auto* dialog = qobject_cast<QDialog*>(&modal);
               dialog && dialog->findChild<QLineEdit*>(QStringLiteral("factorEdit"))) {
        FillEditor(*dialog);
    }
}

void GroupsDriver::FillEditor(QDialog& editor)
{
    WithId<QLineEdit>(editor, 100)->setText(m_script.mid(1).join(' '));
    auto* unit = WithId<QComboBox>(editor, 104);
    for (const QString& name : {QStringLiteral("ell"), QStringLiteral("span")}) {
        unit->setEditText(name);
        WithId<QLineEdit>(editor, 105)->setText(name.left(2));
        editor.findChild<QLineEdit*>(QStringLiteral("factorEdit"))->setText(QStringLiteral("2"));
        WithId<QAbstractButton>(editor, 107)->click();
    }
    WithId<QAbstractButton>(editor, 699)->click();
}

void GroupsDriver::RunRacingImport()
{
    QProcess import;
    import.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--import"), m_race});
    import.waitForFinished(20000);
    Report("raced", QString::fromUtf8(import.readAllStandardOutput()).trimmed());
    m_race.clear();
}

void GroupsDriver::ListAndEnd()
{
    // What the operation left for the event loop (the settings of its last turn) is stored first.
    QCoreApplication::processEvents();
    QAccessibleInterface* launcher = QAccessible::queryAccessibleInterface(Launcher());
    for (int i = 0; launcher && i < launcher->childCount(); ++i)
        if (QAccessibleInterface* icon = launcher->child(i))
            Report("group", icon->text(QAccessible::Name));
    Report("done", m_script.join(' '));
    std::_Exit(0);
}

} // namespace kalvex::e2e
