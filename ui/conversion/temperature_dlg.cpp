#include "ui/conversion/temperature_dlg.h"

#include "core/number_text.h"
#include "core/result_lines.h"
#include "core/temperature.h"
#include "storage/app_state.h"
#include "ui/controls/control_id.h"
#include "ui/controls/focus_button.h"
#include "ui/controls/value_edit.h"
#include "ui/conversion/conversion_ids.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <array>
#include <cmath>

namespace kalvex {

using namespace conversion_ids;

namespace {

constexpr int kTemperatureHelpTopic = 1200;
constexpr int kLiftedValueDigits = 10;

// The scales in the order the window lists them, with their result fields.
struct ScaleRow {
    int scale;
    const char* radioText;
    const char* unitName;
    int resultId;
    const char* symbol;
};

constexpr std::array<ScaleRow, 4> kScaleRows = {{
    {kFahrenheit, "&fahrenheit", "fahrenheit", kFahrenheitResult, "°F"},
    {kRankine, "&rankine", "rankine", kRankineResult, "°R"},
    {kCelsius, "&celsius", "celsius", kCelsiusResult, "°C"},
    {kKelvin, "&kelvin", "kelvin", kKelvinResult, " K"},
}};

constexpr HelpPair kHelpTable[] = {
    {kInputEdit, kTopicInput},
    {kFahrenheit, kTopicInitialUnit},
    {kRankine, kTopicInitialUnit},
    {kCelsius, kTopicInitialUnit},
    {kKelvin, kTopicInitialUnit},
    {kFahrenheitResult, kTopicResults},
    {kCelsiusResult, kTopicResults},
    {kRankineResult, kTopicResults},
    {kKelvinResult, kTopicResults},
    {kSlider, kTopicSlider},
    {kCopyButton, kTopicCopy},
    {kPasteButton, kTopicPaste},
    {kScientificCheck, kTopicScientific},
    {kDigitsButton, kTopicDigits},
    {0, 0},
};

} // namespace

CTemperatureDlg::CTemperatureDlg(AppState& app, QWidget* parent) : CValueDlgBase(app, parent)
{
    setObjectName(QStringLiteral("temperatureDialog"));
    setProperty("resourceId", 138);
    BuildRows();
    Open();
}

void CTemperatureDlg::BuildRows()
{
    auto* inputRow = new QHBoxLayout;
    auto* inputCaption = new QLabel(tr("Initial Temperature:"), this);
    inputCaption->setBuddy(m_inputEdit);
    m_inputEdit->setAccessibleName(tr("Initial Temperature"));
    inputRow->addWidget(inputCaption);
    inputRow->addWidget(m_inputEdit, 1);
    AddSection(kFirstFrame, tr("Initial value"), inputRow);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Initial temp. is in:"), this), 0, 0);
    grid->addWidget(new QLabel(tr("Equivalent Temps:"), this), 0, 1, 1, 2);
    m_scaleButtons = new QButtonGroup(this);
    m_scaleButtons->setExclusive(true);
    connect(m_scaleButtons, &QButtonGroup::idClicked, this, &CTemperatureDlg::OnScaleChosen);
    for (const ScaleRow& scaleRow : kScaleRows) {
        auto* radio = new CFocusButton(QString::fromUtf8(scaleRow.radioText), this);
        SetControlId(*radio, scaleRow.scale, QStringLiteral("%1Radio").arg(QLatin1String(scaleRow.unitName)));
        m_scaleButtons->addButton(radio, scaleRow.scale);
        QLineEdit* field = nullptr;
        QLabel* symbol = nullptr;
        const int row = AddResultRow(scaleRow.resultId, 0, field, symbol);
        SetControlId(*field, scaleRow.resultId,
                     QStringLiteral("%1Result").arg(QLatin1String(scaleRow.unitName)));
        SetRowUnit(row, QString::fromUtf8(scaleRow.unitName), QString::fromUtf8(scaleRow.symbol));
        grid->addWidget(radio, row + 1, 0);
        grid->addWidget(field, row + 1, 1);
        grid->addWidget(symbol, row + 1, 2);
    }
    AddScrollingSection(kFirstFrame + 1, tr("Scales"), grid);
}

void CTemperatureDlg::Open()
{
    m_busy = 0;
    m_closing = 0;
    m_app.m_tempDigits = ShownDigits(m_app.m_tempDigits);
    m_numDigits = m_app.m_tempDigits;
    SetDigitsCaption();
    m_inputText = QStringLiteral("0");
    setWindowTitle(tr("Temperature Conversions"));

    m_sliderValue = m_lastValue = m_enteredValue = 0.0;
    m_scale = kFahrenheit;
    m_scaleButtons->button(kFahrenheit)->setChecked(true);
    m_sci = m_app.m_tempScientific != 0 ? 1 : 0;

    m_sliderMin = LowestValue(kFahrenheit);
    m_sliderMax = 20000.0;
    m_sliderStep = StepFor(m_sliderMin, m_sliderMax);
    ResetSliderRange();
    m_sliderPos = SliderPosition(m_sliderValue, Scale());

    SelectInputField();
    Recompute(m_sliderValue);
    AttachBehaviours(kHelpTable);
    DoDataExchange(false);
    m_inputEdit->setModified(true);
}

ConversionRows CTemperatureDlg::Rows(double value)
{
    return TemperatureRows(m_scale - kFahrenheit, value, {m_numDigits, m_sci != 0});
}

void CTemperatureDlg::ExchangeFields(bool)
{
    // The results are read-only and shown as they are computed; the scale is bound by its buttons.
}

int CTemperatureDlg::DialogHelpTopic() const
{
    return kTemperatureHelpTopic;
}

int CTemperatureDlg::InitialRow() const
{
    return m_scale - kFahrenheit; // the rows follow the scales
}

std::vector<QWidget*> CTemperatureDlg::InitialUnitControls() const
{
    const QList<QAbstractButton*> radios = m_scaleButtons->buttons();
    return {radios.begin(), radios.end()};
}

void CTemperatureDlg::OnDisplaySettingsChanged()
{
    m_app.m_tempDigits = m_numDigits;
    m_app.m_tempScientific = m_sci;
}

void CTemperatureDlg::OnScaleChosen(int scale)
{
    DoDataExchange(true);
    m_scaleButtons->button(scale)->setChecked(true);
    if (scale == m_scale)
        return;
    m_sliderMin = LowestValue(scale);
    m_scale = scale;
    m_sliderMax = 20000.0 - std::fabs(m_sliderMin);
    if (m_lastValue < m_sliderMin) {
        Warn(kBelowAbsoluteZeroText);
        m_enteredValue = m_lastValue = m_sliderMin;
        m_inputText = QString::fromStdString(ShortForm(m_sliderMin, kLiftedValueDigits));
    }
    Recompute(m_lastValue);
    m_sliderStep = StepFor(m_sliderMin, m_sliderMax);
    ForgetSelectedField();
    ResetSliderRange();
    m_sliderPos = SliderPosition(m_lastValue, Scale());
    m_sliderValue = m_lastValue;
    DoDataExchange(false);
}

void CTemperatureDlg::reject()
{
    m_closing = 1;
    CValueDlgBase::reject();
}

} // namespace kalvex
