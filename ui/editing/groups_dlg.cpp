#include "ui/editing/groups_dlg.h"

#include "core/conversion.h"
#include "core/group_ids.h"
#include "platform/qt/visible_text.h"
#include "storage/app_state.h"
#include "storage/factor_file.h"
#include "storage/settings_profile.h"
#include "ui/controls/centring.h"
#include "ui/controls/context_help.h"
#include "ui/controls/control_id.h"
#include "ui/controls/drag_list_box.h"
#include "ui/controls/drag_messages.h"
#include "ui/controls/image_button.h"
#include "ui/controls/str_list.h"
#include "ui/controls/transfer.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

namespace kalvex {

namespace {

constexpr int kDisabledList = 105;
constexpr int kEnabledList = 106;
constexpr int kEnableButton = 100;
constexpr int kDisableButton = 101;
constexpr int kOkButton = 1;
constexpr int kCancelButton = 2;
constexpr int kHelpButton = 710;
constexpr int kHelpTopic = 68544;
// The first characters of an entry are its settings key.
constexpr int kKeyLength = 6;

constexpr HelpPair kHelp[] = {{105, 17025}, {106, 17026}, {101, 17027}, {100, 17028}, {0, 0}};

CDragListBox* MakeList(QWidget* parent, int id, const QString& name)
{
    auto* list = new CDragListBox(parent);
    SetControlId(*list, id, name);
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    list->setSortingEnabled(true);
    return list;
}

QString GroupKey(int groupId)
{
    return QString::fromStdString(EnabledFlagKey(groupId));
}

} // namespace

CGroupsDlg::CGroupsDlg(AppState& app, QWidget* parent) : QDialog(parent), m_app(app)
{
    setWindowTitle(QStringLiteral("Enable/Disable Conversions"));
    BuildControls();
    ListGroups();
    CentreOnDesktop(*this);
    m_disabled->setFocus();
}

void CGroupsDlg::BuildControls()
{
    m_disabled = MakeList(this, kDisabledList, QStringLiteral("disabledList"));
    m_enabled = MakeList(this, kEnabledList, QStringLiteral("enabledList"));

    QFont normalWeight = font();
    normalWeight.setWeight(QFont::Normal);
    auto* enable = new CImageButton(kEnableButton, QStringLiteral("&Enable ->"), this);
    SetControlId(*enable, kEnableButton, QStringLiteral("enableButton"));
    auto* disable = new CImageButton(kDisableButton, QStringLiteral("<- &Disable"), this);
    SetControlId(*disable, kDisableButton, QStringLiteral("disableButton"));
    // The arrows are pictures of the move, not words to be read out.
    enable->setAccessibleName(QStringLiteral("Enable"));
    disable->setAccessibleName(QStringLiteral("Disable"));
    enable->setFont(normalWeight);
    disable->setFont(normalWeight);
    connect(enable, &QPushButton::clicked, this, [this] { MoveSelected(*m_disabled, *m_enabled); });
    connect(disable, &QPushButton::clicked, this, [this] { MoveSelected(*m_enabled, *m_disabled); });

    auto* ok = new CImageButton(699, QStringLiteral("OK"), this);
    SetControlId(*ok, kOkButton, QStringLiteral("okButton"));
    auto* cancel = new CImageButton(700, QStringLiteral("Cancel"), this);
    SetControlId(*cancel, kCancelButton, QStringLiteral("cancelButton"));
    auto* help = new CImageButton(kHelpButton, QStringLiteral("Help"), this);
    SetControlId(*help, kHelpButton, QStringLiteral("helpButton"));
    connect(ok, &QPushButton::clicked, this, &CGroupsDlg::OnOk);
    connect(cancel, &QPushButton::clicked, this, &CGroupsDlg::reject);
    connect(help, &QPushButton::clicked, this, [this] { m_app.services.help->ShowTopic(kHelpTopic); });

    auto* instructions = new QGroupBox(this);
    auto* instructionsLayout = new QVBoxLayout(instructions);
    auto* instructionText =
        new QLabel(QStringLiteral("Select groups and press Enable or Disable, or drag them "
                                  "from one list to the other."),
                   instructions);
    instructionText->setWordWrap(true);
    instructionsLayout->addWidget(instructionText);

    auto* grid = new QGridLayout;
    auto* disabledLabel = new QLabel(QStringLiteral("Disabled Groups"), this);
    disabledLabel->setBuddy(m_disabled);
    // A list takes no name from a buddy caption, so it carries the caption as its name.
    m_disabled->setAccessibleName(disabledLabel->text());
    auto* enabledLabel = new QLabel(QStringLiteral("Enabled Groups"), this);
    enabledLabel->setBuddy(m_enabled);
    m_enabled->setAccessibleName(enabledLabel->text());
    auto* moveButtons = new QVBoxLayout;
    moveButtons->addStretch();
    moveButtons->addWidget(enable);
    moveButtons->addWidget(disable);
    moveButtons->addStretch();
    grid->addWidget(disabledLabel, 0, 0);
    grid->addWidget(enabledLabel, 0, 2);
    grid->addWidget(m_disabled, 1, 0);
    grid->addLayout(moveButtons, 1, 1);
    grid->addWidget(m_enabled, 1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instructions);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    new CContextHelp(*this, kHelp, *m_app.services.help);
}

void CGroupsDlg::ListGroups()
{
    const int lastIndex = kCustomGroupIndex - 1 + std::clamp(m_app.m_numCust, 0, kMaxCustomGroups);
    for (int i = 0; i <= lastIndex; ++i) {
        const int groupId = kTemperatureId + i;
        QString name;
        if (groupId == kTemperatureId)
            name = QStringLiteral("Temperature");
        else if (CConversion group; LoadFactorFile(FactorFileName(m_app.m_factorPath, groupId), group))
            name = WithVisibleBidiControls(group.m_name);
        else
            name = QStringLiteral("Not Found");
        const QString entry = GroupKey(groupId) + QLatin1Char(' ') + name;
        const bool enabled =
            ReadSetting(*m_app.services.settings, profile::GroupEnabledSetting(groupId)) != 0;
        (enabled ? m_enabled : m_disabled)->addItem(entry);
    }
}

void CGroupsDlg::MoveSelected(CDragListBox& from, CDragListBox& to)
{
    const CStrList moving = from.SelectedTexts();
    if (moving.IsEmpty())
        return;
    from.RemoveTexts(moving);
    to.AddTexts(moving);
}

bool CGroupsDlg::event(QEvent* event)
{
    const DragMessageTypes& drag = DragMessages();
    if (event->type() == drag.beginDragDrop) {
        auto* message = static_cast<CDragMessage*>(event);
        if (auto* list = qobject_cast<CDragListBox*>(message->control))
            BeginTransfer(*list, drag.stringListFormat, list->SelectedTexts());
        return true;
    }
    if (event->type() == drag.doDrop) {
        auto* message = static_cast<CDragMessage*>(event);
        auto* list = qobject_cast<CDragListBox*>(message->control);
        CStrList texts;
        if (list && ReadTransfer(texts)) {
            if (message->code == kDropHere)
                list->AddTexts(texts);
            else
                list->RemoveTexts(texts);
        }
        return true;
    }
    return QDialog::event(event);
}

void CGroupsDlg::OnOk()
{
    if (m_enabled->count() == 0) {
        m_app.services.messages->Beep(MessageIcon::Warning);
        m_app.services.messages->Show(
            {"You must have at least one enabled group.", "", MessageButtons::Ok, MessageIcon::Warning});
        return;
    }
    ISettingsStore& settings = *m_app.services.settings;
    const auto writeKeys = [&](const CDragListBox& list, int value) {
        int custom = 0;
        for (int row = 0; row < list.count(); ++row) {
            const QString key = list.item(row)->text().left(kKeyLength);
            settings.WriteInt(profile::kSettings, key.toStdString(), value);
            if (key.startsWith(QLatin1String("Cust")))
                ++custom;
        }
        return custom;
    };
    const int custom = writeKeys(*m_enabled, 1);
    WriteSetting(settings, profile::kNumStd, m_enabled->count() - custom);
    WriteSetting(settings, profile::kNumActCust, custom);
    writeKeys(*m_disabled, 0);
    done(1);
}

void CGroupsDlg::reject()
{
    done(kCancelled);
}

void CGroupsDlg::keyPressEvent(QKeyEvent* event)
{
    // Enter does not confirm: the dialog has no default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace kalvex
