#include "ui/shell/accelerator_filter.h"

#include "core/group_ids.h"
#include "ui/shell/command_ids.h"
#include "ui/shell/main_frame.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

namespace kalvex {
namespace {

struct Accelerator {
    int key;
    Qt::KeyboardModifiers modifiers;
    int commandId;
};

constexpr int UnitsCommand(int groupId)
{
    return groupId + kUnitsCommandOffset;
}

// Alt with a letter opens a group's conversion window; the letter alone its unit order dialog.
const Accelerator kAccelerators[] = {
    {Qt::Key_T, Qt::AltModifier, kTemperatureId},
    {Qt::Key_D, Qt::AltModifier, kDistanceId},
    {Qt::Key_M, Qt::AltModifier, kMassId},
    {Qt::Key_V, Qt::AltModifier, kVolumeId},
    {Qt::Key_A, Qt::AltModifier, kAreaId},
    {Qt::Key_N, Qt::AltModifier, kAngleId},
    {Qt::Key_P, Qt::AltModifier, kPowerId},
    {Qt::Key_E, Qt::AltModifier, kEnergyId},
    {Qt::Key_R, Qt::AltModifier, kPressureId},
    {Qt::Key_I, Qt::AltModifier, kTimeId},
    {Qt::Key_F, Qt::AltModifier, kForceId},
    {Qt::Key_S, Qt::AltModifier, kDensityId},
    {Qt::Key_L, Qt::AltModifier, kVelocityId},
    {Qt::Key_O, Qt::AltModifier, kMoneyId},
    {Qt::Key_C, Qt::AltModifier, kAccelerationId},
    {Qt::Key_D, Qt::NoModifier, UnitsCommand(kDistanceId)},
    {Qt::Key_M, Qt::NoModifier, UnitsCommand(kMassId)},
    {Qt::Key_V, Qt::NoModifier, UnitsCommand(kVolumeId)},
    {Qt::Key_N, Qt::NoModifier, UnitsCommand(kAngleId)},
    {Qt::Key_P, Qt::NoModifier, UnitsCommand(kPowerId)},
    {Qt::Key_E, Qt::NoModifier, UnitsCommand(kEnergyId)},
    {Qt::Key_R, Qt::NoModifier, UnitsCommand(kPressureId)},
    {Qt::Key_I, Qt::NoModifier, UnitsCommand(kTimeId)},
    {Qt::Key_F, Qt::NoModifier, UnitsCommand(kForceId)},
    {Qt::Key_S, Qt::NoModifier, UnitsCommand(kDensityId)},
    {Qt::Key_L, Qt::NoModifier, UnitsCommand(kVelocityId)},
    {Qt::Key_O, Qt::NoModifier, UnitsCommand(kMoneyId)},
    {Qt::Key_C, Qt::NoModifier, UnitsCommand(kAccelerationId)},
    {Qt::Key_F1, Qt::NoModifier, command::kHelp},
    {Qt::Key_F1, Qt::ShiftModifier, command::kContextHelp},
    {Qt::Key_F2, Qt::NoModifier, command::kNewCustom},
    {Qt::Key_F3, Qt::NoModifier, command::kGroups},
    {Qt::Key_F5, Qt::NoModifier, command::kPath},
    {Qt::Key_U, Qt::ControlModifier, command::kStatusBar},
    {Qt::Key_F, Qt::ControlModifier, command::kFindUnit},
};

} // namespace

CAcceleratorFilter::CAcceleratorFilter(CMainFrame& frame) : m_frame(frame)
{
    qApp->installEventFilter(this);
}

CAcceleratorFilter::~CAcceleratorFilter()
{
    qApp->removeEventFilter(this);
}

std::optional<int> CAcceleratorFilter::CommandForKey(int key, Qt::KeyboardModifiers modifiers)
{
    modifiers &= ~Qt::KeypadModifier;
    for (const Accelerator& accelerator : kAccelerators) {
        if (accelerator.key == key && accelerator.modifiers == modifiers)
            return accelerator.commandId;
    }
    return std::nullopt;
}

bool CAcceleratorFilter::AppliesTo(QObject* receiver) const
{
    if (!receiver->isWidgetType() || QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return false;
    return static_cast<QWidget*>(receiver)->window() == &m_frame;
}

bool CAcceleratorFilter::TypesIntoField(QObject* receiver, const QKeyEvent& key)
{
    // A plain letter typed into a text field (the find field) is text, not a group command.
    const bool letter = key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z;
    const bool plain = (key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier;
    return letter && plain && qobject_cast<QLineEdit*>(receiver);
}

bool CAcceleratorFilter::HelpInOpenMenu(const QKeyEvent& key)
{
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu || key.key() != Qt::Key_F1 || key.modifiers() != Qt::NoModifier)
        return false;
    // F1 on a highlighted menu item asks for that command's help; on an item without a command
    // (one that opens a submenu) for the main window's help.
    const int commandId = m_frame.LastPromptedCommand();
    const int topic = commandId != 0 ? kCommandHelpBase + commandId : kResourceHelpBase + kMainFrameResource;
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    m_frame.ShowHelpTopic(topic);
    return true;
}

void CAcceleratorFilter::OpenMenuBar()
{
    QMenuBar* bar = m_frame.menuBar();
    for (QAction* menu : bar->actions()) {
        if (menu->isVisible() && menu->isEnabled()) {
            bar->setActiveAction(menu);
            return;
        }
    }
}

bool CAcceleratorFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::KeyPress && HelpInOpenMenu(*key))
        return true;
    if (!AppliesTo(watched) || TypesIntoField(watched, *key))
        return false;
    if (key->key() == Qt::Key_F10 && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (event->type() == QEvent::ShortcutOverride)
            event->accept();
        else
            OpenMenuBar();
        return true;
    }
    const std::optional<int> commandId = CommandForKey(key->key(), key->modifiers());
    if (!commandId)
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Claiming the key here keeps Qt from treating it as a menu mnemonic.
        event->accept();
        return true;
    }
    if (m_frame.IsCommandEnabled(*commandId))
        m_frame.RouteCommand(*commandId);
    return true;
}

} // namespace kalvex
