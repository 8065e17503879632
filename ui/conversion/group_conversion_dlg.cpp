#include "ui/conversion/group_conversion_dlg.h"

#include "core/group_ids.h"
#include "core/number_text.h"
#include "core/result_lines.h"
#include "platform/qt/visible_text.h"
#include "storage/app_state.h"
#include "storage/builtin_groups.h"
#include "storage/current_group.h"
#include "storage/factor_file.h"
#include "storage/unsaved_files.h"
#include "ui/controls/context_help.h"
#include "ui/controls/control_id.h"
#include "ui/controls/derive_report.h"
#include "ui/controls/image_button.h"
#include "ui/controls/plain_text.h"
#include "ui/controls/value_edit.h"
#include "ui/conversion/conversion_ids.h"
#include "ui/conversion/exchange_rates_update.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

namespace kalvex {

using namespace conversion_ids;

namespace {

constexpr int kLongestName = 29;

const char* const kSaveQuestion = "You made changes to the conversion factors.  Do you wish to save them?";

} // namespace

CGroupConversionDlg::CGroupConversionDlg(AppState& app, CurrentGroup& current, int groupId,
                                         FactorEditor editFactors, const ConversionTemplate& layoutTemplate,
                                         int rowsShown, QWidget* parent)
    : CValueDlgBase(app, parent), m_current(current), m_layoutTemplate(layoutTemplate),
      m_editFactors(std::move(editFactors))
{
    setObjectName(QLatin1String(layoutTemplate.name));
    setProperty("resourceId", layoutTemplate.resourceId);
    m_groupId = groupId;
    m_unitTotal = std::min<int>(current.Record().m_unitCount, kMaxUnits);
    m_unitsShown = rowsShown;

    m_initialCaption = new QLabel(this);
    m_initialCaption->setTextFormat(Qt::PlainText);
    SetControlId(*m_initialCaption, kInitialCaption, QStringLiteral("initialCaption"));
    m_initialCaption->setBuddy(m_inputEdit);
    m_initialInCaption = new QLabel(this);
    m_initialInCaption->setTextFormat(Qt::PlainText);
    SetControlId(*m_initialInCaption, kInitialInCaption, QStringLiteral("initialInCaption"));
    auto* inputRow = new QHBoxLayout;
    inputRow->addWidget(m_initialCaption);
    inputRow->addWidget(m_inputEdit, 1);
    AddSection(kFirstFrame, tr("Initial value"), inputRow);

    auto* factorsButton = new CImageButton(kFactorsButton, tr("Factors"), this);
    SetControlId(*factorsButton, kFactorsButton, QStringLiteral("factorsButton"));
    factorsButton->setAccessibleName(tr("Factors"));
    connect(factorsButton, &QPushButton::clicked, this, &CGroupConversionDlg::OnFactors);
    InsertButton(*factorsButton);
}

int CGroupConversionDlg::exec()
{
    if (m_refused) {
        setResult(0);
        return 0;
    }
    return CValueDlgBase::exec();
}

void CGroupConversionDlg::Open()
{
    m_closing = 0;
    m_busy = 0;
    m_factorsChanged = 0;
    ResolveTagAndName();
    ShowTitle();
    if (RefuseEmptyGroup())
        return;

    CConversion& group = m_current.Record();
    group.m_digits = std::uint16_t(ShownDigits(group.m_digits));
    m_numDigits = group.m_digits;
    SetDigitsCaption();
    m_inputText = QStringLiteral("1");
    m_sci = group.m_scientific != 0 ? 1 : 0;

    SetCaptions();
    FillRows();

    m_enteredValue = m_sliderValue = m_lastValue = 1.0;
    m_selectedId = kFirstUnitRadio;
    ShowUnitChoice(0);

    m_sliderMin = kGroupMinimum;
    m_sliderMax = 20000.0;
    m_sliderStep = 1.0;
    ResetSliderRange();
    m_sliderPos = SliderPosition(m_sliderValue, Scale());

    SelectInputField();
    CContextHelp& contextHelp = AttachBehaviours(HelpTable());
    if (m_groupId == kMoneyId)
        contextHelp.AddMenuAction(UpdateRatesAction());
    DoDataExchange(false);
    m_inputEdit->setModified(true);
    OnInputLostFocus();
}

void CGroupConversionDlg::ResolveTagAndName()
{
    const CConversion& group = m_current.Record();
    m_groupTag = QString::fromStdString(GroupTag(m_groupId));
    if (m_groupId < kFirstCustomId) {
        m_groupName =
            WithVisibleBidiControls(group.m_name.empty() ? BuiltinGroupName(m_groupId) : group.m_name);
        m_groupName.remove(u'&');
    } else {
        m_groupName = WithVisibleBidiControls(group.m_name);
    }
    m_groupTag.truncate(kLongestName);
    m_groupName.truncate(kLongestName);
}

void CGroupConversionDlg::ShowTitle()
{
    if (m_groupId == kMoneyId)
        setWindowTitle(tr("%1 Conversions - Updated (%2)")
                           .arg(m_groupName, WithVisibleBidiControls(m_current.Record().m_updateDate)));
    else
        setWindowTitle(tr("%1 Conversions").arg(m_groupName));
}

bool CGroupConversionDlg::RefuseEmptyGroup()
{
    if (m_unitTotal != 0)
        return false;
    IMessageService& messages = *m_app.services.messages;
    messages.Beep(MessageIcon::Warning);
    messages.Show({tr("%1 conversions not defined!").arg(m_groupName).toStdString(),
                   {},
                   MessageButtons::Ok,
                   MessageIcon::Warning});
    m_refused = true;
    return true;
}

void CGroupConversionDlg::SetCaptions()
{
    // The caption's own "&" marks its keyboard hint; one in the name is shown as it is.
    m_initialLabel = tr("&Initial %1:").arg(LiteralAmpersands(m_groupName));
    m_inputEdit->setAccessibleName(tr("Initial %1").arg(m_groupName));
    m_groupName = m_groupName.toLower();
    m_initialInLabel = tr("Initial %1 in:").arg(m_groupName);
    m_equivLabel = tr("Equivalent %1:").arg(m_groupName);
}

int CGroupConversionDlg::UnitAt(int row) const
{
    const int number = m_current.Record().m_unitOrder[std::size_t(row)];
    return number >= 1 && number <= m_unitTotal ? number - 1 : -1;
}

void CGroupConversionDlg::FillRows()
{
    const CConversion& group = m_current.Record();
    for (int row = 0; row < RowCount(); ++row) {
        if (row < m_unitsShown) {
            const int unit = UnitAt(row);
            const std::string entry = unit >= 0 ? group.m_units[std::size_t(unit)] : std::string();
            const QString name = WithVisibleBidiControls(UnitName(entry));
            AddUnitChoice(row, name);
            SetRowUnit(row, name, WithVisibleBidiControls(UnitSymbol(entry)));
            ShowResult(row, QStringLiteral("0"));
        } else {
            SetRowUnit(row, {}, {});
            FindControl(*this, kFirstResult + row)->setEnabled(false);
        }
    }
}

ConversionRows CGroupConversionDlg::Rows(double value)
{
    std::vector<int> rowUnits;
    for (int row = 0; row < m_unitsShown; ++row)
        rowUnits.push_back(UnitAt(row));
    return GroupRows(m_current.Record(), m_groupName.toStdString(), rowUnits,
                     UnitAt(m_selectedId - kFirstUnitRadio), value, {m_numDigits, m_sci != 0});
}

int CGroupConversionDlg::InitialRow() const
{
    return m_selectedId - kFirstUnitRadio;
}

void CGroupConversionDlg::ExchangeFields(bool saving)
{
    if (saving)
        return; // the captions are never edited
    m_initialCaption->setText(m_initialLabel);
    ShowCaption(*m_initialInCaption, m_initialInLabel);
}

void CGroupConversionDlg::ShowCaption(QLabel& caption, const QString& text)
{
    caption.setText(caption.buddy() ? LiteralAmpersands(text) : text);
}

void CGroupConversionDlg::OnInitialUnitChosen(int row)
{
    DoDataExchange(true);
    row = std::max(row, 0);
    ShowUnitChoice(row);
    const int chosenId = kFirstUnitRadio + row;
    if (chosenId == m_selectedId)
        return;
    m_selectedId = chosenId;
    Recompute(m_lastValue);
    ForgetSelectedField();
    ResetSliderRange();
    m_sliderPos = SliderPosition(m_lastValue, Scale());
    m_sliderValue = m_lastValue;
    DoDataExchange(false);
}

void CGroupConversionDlg::OnFactors()
{
    if (!m_editFactors(m_groupId, m_unitTotal, this))
        return;
    m_factorsChanged = 1;
    // The results must follow the new factors even when the field shows a value put back after
    // a refusal, which carries no modified mark.
    m_inputEdit->setModified(true);
    OnInputLostFocus();
}

QAction* CGroupConversionDlg::UpdateRatesAction()
{
    auto* action = new QAction(tr("Update Exchange Rates..."), this);
    action->setObjectName(QStringLiteral("updateRatesAction"));
    connect(action, &QAction::triggered, this, &CGroupConversionDlg::OnUpdateRates);
    return action;
}

void CGroupConversionDlg::OnUpdateRates()
{
    if (!UpdateExchangeRates(m_app, m_current.Record(), this))
        return;
    // The update committed the group, edited factors included: nothing is left to ask about.
    m_factorsChanged = 0;
    // The captions keep the name in lower case; the title needs it as the group writes it.
    ResolveTagAndName();
    ShowTitle();
    SetCaptions();
    m_inputEdit->setModified(true);
    OnInputLostFocus();
}

void CGroupConversionDlg::reject()
{
    m_closing = 1;
    if (m_factorsChanged) {
        IMessageService& messages = *m_app.services.messages;
        messages.Beep(MessageIcon::Question);
        const MessageAnswer answer =
            messages.Show({kSaveQuestion, {}, MessageButtons::YesNoCancel, MessageIcon::Question});
        if (answer == MessageAnswer::Cancel) {
            m_closing = 0;
            return;
        }
        if (answer == MessageAnswer::Yes) {
            SaveChangedFactors();
            CValueDlgBase::reject();
            return;
        }
    }
    SaveDisplaySettings();
    CValueDlgBase::reject();
}

void CGroupConversionDlg::SaveChangedFactors()
{
    const Services& services = m_app.services;
    CConversion& group = m_current.Record();
    BusyScope busy(*services.busy);
    DeriveFactorsReporting(m_unitTotal, group.m_factors, group.m_units, services);
    group.m_scientific = std::uint16_t(m_sci);
    group.m_digits = std::uint16_t(m_numDigits);
    ReportUnsaved(*services.messages, FactorFileName(m_app.m_factorPath, m_groupId),
                  m_current.Commit(m_groupId, m_unitTotal));
}

void CGroupConversionDlg::SaveDisplaySettings()
{
    CConversion& group = m_current.Record();
    if (m_sci == group.m_scientific && m_numDigits == group.m_digits)
        return;
    // Reloading drops the factor changes the user chose not to keep. A file that can no longer
    // be read is left alone rather than replaced by a half-filled record.
    if (!m_current.Load(m_groupId))
        return;
    group.m_scientific = std::uint16_t(m_sci);
    group.m_digits = std::uint16_t(m_numDigits);
    const std::string file = FactorFileName(m_app.m_factorPath, m_groupId);
    ReportUnsaved(*m_app.services.messages, file, WriteFactorFile(group, file, *m_app.services.replacer));
}

} // namespace kalvex
