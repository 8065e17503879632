#include "ui/conversion/value_dlg_base.h"

#include "core/number_text.h"
#include "platform/qt/decimal_separator.h"
#include "platform/qt/screen_fit.h"
#include "storage/app_state.h"
#include "ui/controls/control_id.h"
#include "ui/controls/fitting_scroll_area.h"
#include "ui/controls/focus_scroll_bar.h"
#include "ui/controls/image_button.h"
#include "ui/controls/plain_text.h"
#include "ui/controls/value_edit.h"
#include "ui/conversion/conversion_ids.h"
#include "ui/conversion/field_clipboard.h"
#include "ui/conversion/result_rows_focus.h"
#include "ui/conversion/slider_end.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace kalvex {

using namespace conversion_ids;

namespace {

constexpr int kRefusedEntryDigits = 7;
// Results beside the initial unit's value that a screen reader is told after a conversion.
constexpr qsizetype kAnnouncedResults = 2;

std::string Utf8(const QString& text)
{
    return text.toStdString();
}

} // namespace

CValueDlgBase::CValueDlgBase(AppState& app, QWidget* parent) : QDialog(parent), m_app(app)
{
    BuildControls();
}

CValueDlgBase::~CValueDlgBase()
{
    // Hiding a dialog that is destroyed while shown takes the focus from the input field; the
    // windows' own parts are gone by then, so nothing may be recomputed.
    disconnect(m_inputEdit, nullptr, this, nullptr);
    m_fieldClipboard.reset();
}

void CValueDlgBase::BuildControls()
{
    auto* layout = new QVBoxLayout(this);
    m_contentLayout = new QVBoxLayout;
    layout->addLayout(m_contentLayout);

    m_inputEdit = new CValueEdit(this);
    SetControlId(*m_inputEdit, kInputEdit, QStringLiteral("inputEdit"));
    connect(m_inputEdit, &CValueEdit::focusLost, this, &CValueDlgBase::OnInputLostFocus);

    auto* sliderRow = new QHBoxLayout;
    auto* lowEnd = new CSliderEnd(Qt::LeftArrow, this);
    SetControlId(*lowEnd, kSliderLowImage, QStringLiteral("sliderLowImage"));
    lowEnd->setAccessibleName(tr("Smaller values"));
    m_slider = new CFocusScrollBar(Qt::Horizontal, this);
    SetControlId(*m_slider, kSlider, QStringLiteral("slider"));
    m_slider->setRange(0, kSliderPositions);
    m_slider->setSingleStep(1);
    m_slider->setPageStep(10);
    m_slider->setAccessibleName(tr("Value slider"));
    connect(m_slider, &QAbstractSlider::actionTriggered, this, &CValueDlgBase::OnSliderAction);
    connect(m_slider, &QAbstractSlider::sliderReleased, this,
            [this] { OnScroll(ScrollRequest::ThumbReleased); });
    connect(m_slider, &CFocusScrollBar::valueRequested, this,
            [this](double value) { MoveSliderTo(std::clamp(value, m_sliderMin, m_sliderMax)); });
    auto* highEnd = new CSliderEnd(Qt::RightArrow, this);
    SetControlId(*highEnd, kSliderHighImage, QStringLiteral("sliderHighImage"));
    highEnd->setAccessibleName(tr("Larger values"));
    sliderRow->addWidget(lowEnd);
    sliderRow->addWidget(m_slider, 1);
    sliderRow->addWidget(highEnd);
    layout->addWidget(MakeSection(kFirstFrame + 2, tr("Slider"), sliderRow));

    auto* displayRow = new QHBoxLayout;
    m_digitsButton = new QPushButton(this);
    SetControlId(*m_digitsButton, kDigitsButton, QStringLiteral("digitsButton"));
    m_digitsButton->setAutoDefault(false);
    connect(m_digitsButton, &QPushButton::clicked, this, &CValueDlgBase::OnDigits);
    m_sciCheck = new QCheckBox(QStringLiteral("0.0E"), this);
    SetControlId(*m_sciCheck, kScientificCheck, QStringLiteral("scientificCheck"));
    m_sciCheck->setAccessibleName(tr("Scientific notation"));
    connect(m_sciCheck, &QCheckBox::clicked, this, &CValueDlgBase::OnScientific);
    displayRow->addWidget(m_digitsButton);
    displayRow->addWidget(m_sciCheck);
    displayRow->addStretch(1);
    layout->addWidget(MakeSection(kFirstFrame + 3, tr("Display"), displayRow));

    m_buttonRow = new QHBoxLayout;
    auto addButton = [this](int imageBase, int id, const QString& text, const char* name) {
        auto* button = new CImageButton(imageBase, text, this);
        SetControlId(*button, id, QLatin1String(name));
        button->setAccessibleName(text);
        m_buttonRow->addWidget(button);
        return button;
    };
    m_cancelButton = addButton(kCancelImageBase, kCancelButton, tr("Cancel"), "cancelButton");
    m_copyButton = addButton(kCopyButton, kCopyButton, tr("Copy"), "copyButton");
    m_pasteButton = addButton(kPasteButton, kPasteButton, tr("Paste"), "pasteButton");
    m_pasteButton->SetDisabledImage(kPasteDisabledImage);
    m_helpButton = addButton(kHelpButton, kHelpButton, tr("Help"), "helpButton");
    m_fieldClipboard =
        std::make_unique<CFieldClipboard>(*m_inputEdit, *m_pasteButton, *m_app.services.clipboard);
    m_fieldClipboard->AddField(*m_inputEdit);
    m_rowsFocus = new CResultRowsFocus(this);
    connect(m_cancelButton, &QPushButton::clicked, this, &CValueDlgBase::reject);
    connect(m_copyButton, &QPushButton::clicked, m_fieldClipboard.get(), &CFieldClipboard::Copy);
    connect(m_pasteButton, &QPushButton::clicked, this, &CValueDlgBase::OnPaste);
    connect(m_helpButton, &QPushButton::clicked, this,
            [this] { m_app.services.help->ShowTopic(DialogHelpTopic()); });
    layout->addWidget(MakeSection(kFirstFrame + 4, tr("Commands"), m_buttonRow));
}

QFrame* CValueDlgBase::MakeSection(int frameId, const QString& spokenName, QLayout* content)
{
    auto* frame = new QFrame(this);
    SetControlId(*frame, frameId, QStringLiteral("frame%1").arg(frameId));
    frame->setAccessibleName(spokenName);
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    frame->setLayout(content);
    return frame;
}

void CValueDlgBase::AddSection(int frameId, const QString& spokenName, QLayout* content)
{
    m_contentLayout->addWidget(MakeSection(frameId, spokenName, content));
}

void CValueDlgBase::AddScrollingSection(int frameId, const QString& spokenName, QLayout* content)
{
    AddScrollingRows(*MakeSection(frameId, spokenName, content));
}

void CValueDlgBase::AddScrollingRows(QWidget& rows)
{
    m_contentLayout->addWidget(new CFittingScrollArea(rows, this), 1);
}

void CValueDlgBase::InsertButton(QPushButton& button)
{
    m_buttonRow->insertWidget(m_buttonRow->indexOf(m_helpButton), &button);
}

int CValueDlgBase::AddResultRow(int fieldId, int symbolId, QLineEdit*& field, QLabel*& symbol)
{
    const int row = RowCount();
    field = new QLineEdit(QStringLiteral("0"), this);
    SetControlId(*field, fieldId, QStringLiteral("resultEdit%1").arg(row + 1));
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    symbol = new QLabel(this);
    symbol->setTextFormat(Qt::PlainText);
    SetControlId(*symbol, symbolId, QStringLiteral("symbolLabel%1").arg(row + 1));
    m_fieldClipboard->AddField(*field);
    m_rowsFocus->AddRow(*field);
    m_rows.push_back({field, symbol, {}});
    return row;
}

void CValueDlgBase::SetRowUnit(int row, const QString& unitName, const QString& symbol)
{
    ResultRow& entry = m_rows[std::size_t(row)];
    entry.unitName = unitName;
    entry.symbol->setText(symbol);
    // Symbols alone can look alike (two gallons, two ounces); the full name is a hover away.
    entry.symbol->setToolTip(PlainToolTip(unitName));
    entry.symbol->setAccessibleName(unitName);
    // Assistive tools would read the tooltip's markup as the description.
    entry.symbol->setAccessibleDescription(symbol.isEmpty() ? unitName : symbol);
    entry.field->setAccessibleName(
        unitName.isEmpty() ? tr("Unused row") : unitName + QStringLiteral(": ") + entry.field->text());
}

void CValueDlgBase::ShowResult(int row, const QString& text)
{
    ResultRow& entry = m_rows[std::size_t(row)];
    if (entry.field->text() != text)
        m_fieldClipboard->Rewrite(*entry.field, text);
    if (!entry.unitName.isEmpty())
        entry.field->setAccessibleName(entry.unitName + QStringLiteral(": ") + text);
}

void CValueDlgBase::ShowCompound(int row, const QString& text)
{
    // Heights and times are also read over smaller units ("5 ft 8.5 in"), a hover or a screen
    // reader's question away; the row itself keeps the group's layout.
    QLineEdit& field = *m_rows[std::size_t(row)].field;
    field.setToolTip(text.isEmpty() ? QString() : PlainToolTip(text));
    field.setAccessibleDescription(text);
}

QString CValueDlgBase::WholeResultsText() const
{
    QString text = QString::fromStdString(ResultLinesText(m_shownLines));
    text.chop(1); // the clipboard text ends with its last row, not a line break
    return text;
}

std::string CValueDlgBase::Recompute(double value)
{
    ConversionRows rows = Rows(value);
    if (!rows.refusal.empty())
        return rows.refusal;
    for (std::size_t row = 0; row < rows.lines.size() && row < m_rows.size(); ++row) {
        ShowResult(int(row), QString::fromStdString(rows.lines[row].value));
        ShowCompound(int(row), QString::fromStdString(rows.lines[row].compound));
    }
    m_shownLines = std::move(rows.lines);
    AnnounceResults();
    return {};
}

QString CValueDlgBase::ValueInUnit(const QString& value, int row) const
{
    return tr("%1 %2").arg(value, m_rows[std::size_t(row)].unitName);
}

void CValueDlgBase::AnnounceResults()
{
    const int initial = InitialRow();
    const std::size_t shown = std::min(m_shownLines.size(), m_rows.size());
    if (initial < 0 || std::size_t(initial) >= shown)
        return;
    QStringList others;
    for (std::size_t row = 0; row < shown && others.size() < kAnnouncedResults; ++row)
        if (int(row) != initial && !m_rows[row].unitName.isEmpty())
            others << ValueInUnit(QString::fromStdString(m_shownLines[row].value), int(row));
    QString text = ValueInUnit(QString::fromStdString(m_shownLines[std::size_t(initial)].value), initial);
    if (!others.isEmpty())
        text = tr("%1 is %2").arg(text, others.join(QStringLiteral(", ")));
    // Setting the description tells assistive tools that it changed, even to the same text;
    // the same results again are not news.
    if (text != m_inputEdit->accessibleDescription())
        m_inputEdit->setAccessibleDescription(text);
}

void CValueDlgBase::ShowSliderReading()
{
    const int initial = InitialRow();
    if (initial < 0 || initial >= RowCount())
        return;
    const QString value = QString::fromStdString(FormatResult(m_sliderValue, m_numDigits, m_sci != 0));
    m_slider->SetReading({m_sliderValue, m_sliderMin, m_sliderMax, ValueInUnit(value, initial)});
}

void CValueDlgBase::DoDataExchange(bool saving)
{
    if (saving) {
        m_sci = m_sciCheck->isChecked() ? 1 : 0;
        m_inputText = m_inputEdit->text();
        m_sliderPos = m_slider->value();
    } else {
        m_sciCheck->setChecked(m_sci != 0);
        // Replacing the text clears the modified mark; the whole new text counts as selected.
        if (m_inputEdit->text() != m_inputText)
            m_fieldClipboard->Rewrite(*m_inputEdit, m_inputText);
        m_slider->setValue(m_sliderPos);
    }
    ExchangeFields(saving);
    if (!saving)
        ShowSliderReading();
}

CContextHelp& CValueDlgBase::AttachBehaviours(const HelpPair* helpTable)
{
    ChainTabOrder();
    auto* contextHelp = new CContextHelp(*this, helpTable, *m_app.services.help);
    auto* copyWhole = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this);
    connect(copyWhole, &QShortcut::activated, this, &CValueDlgBase::OnCopyWholeResults);
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, m_fieldClipboard.get(), &CFieldClipboard::Copy);
    auto* results = new QShortcut(QKeySequence(Qt::Key_F6), this);
    connect(results, &QShortcut::activated, this, &CValueDlgBase::OnResultsKey);
    m_fieldClipboard->UpdatePasteButton();
    return *contextHelp;
}

void CValueDlgBase::ChainTabOrder()
{
    std::vector<QWidget*> chain = {m_inputEdit};
    const std::vector<QWidget*> unitControls = InitialUnitControls();
    chain.insert(chain.end(), unitControls.begin(), unitControls.end());
    for (const ResultRow& row : m_rows)
        chain.push_back(row.field);
    chain.insert(chain.end(), {m_slider, m_digitsButton, m_sciCheck});
    for (int i = 0; i < m_buttonRow->count(); ++i)
        if (QWidget* button = m_buttonRow->itemAt(i)->widget())
            chain.push_back(button);
    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void CValueDlgBase::SetDigitsCaption()
{
    m_digitsButton->setText(QString::fromStdString(DigitsLabel(m_numDigits)));
    m_digitsButton->setAccessibleName(tr("Significant digits: %1").arg(m_numDigits));
}

void CValueDlgBase::ResetSliderRange()
{
    m_slider->setRange(0, kSliderPositions);
}

void CValueDlgBase::SelectInputField()
{
    m_fieldClipboard->SelectInput();
}

int CValueDlgBase::SelectedFieldId() const
{
    return m_fieldClipboard->SelectedFieldId();
}

void CValueDlgBase::ForgetSelectedField()
{
    m_fieldClipboard->ForgetSelectedField();
}

void CValueDlgBase::OnInputLostFocus()
{
    if (m_closing || m_busy || !m_inputEdit->isModified())
        return;
    m_busy = 1;
    DoDataExchange(true);
    if (!AcceptInput())
        return;
    DoDataExchange(false);
    m_busy = 0;
}

void CValueDlgBase::Warn(const std::string& message)
{
    IMessageService& messages = *m_app.services.messages;
    messages.Beep(MessageIcon::Warning);
    messages.Show({message, {}, MessageButtons::Ok, MessageIcon::Warning});
}

bool CValueDlgBase::AcceptInput()
{
    const EntryReading reading = ReadEntry(Utf8(m_inputText), UserDecimalSeparator());
    const std::string refusal = reading.problem.empty() ? Recompute(reading.value) : reading.problem;
    if (!refusal.empty()) {
        Warn(refusal);
        m_enteredValue = m_lastValue;
        m_inputText = QString::fromStdString(ShortForm(m_lastValue, kRefusedEntryDigits));
        DoDataExchange(false);
        m_busy = 0;
        return false;
    }
    m_enteredValue = reading.value;
    // A value too large for its doubled range to be a number leaves the last range in place;
    // an infinite range would make every slider position stand for inf or nan.
    if (m_enteredValue > m_sliderMax && std::isfinite(StepFor(m_sliderMin, 2.0 * m_enteredValue))) {
        m_sliderMax = 2.0 * m_enteredValue;
        m_sliderStep = StepFor(m_sliderMin, m_sliderMax);
    }
    if (m_enteredValue != m_lastValue) {
        m_sliderValue = m_enteredValue;
        m_lastValue = m_enteredValue;
    }
    m_sliderPos = SliderPosition(m_enteredValue, Scale());
    return true;
}

void CValueDlgBase::OnSliderAction(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        return OnScroll(ScrollRequest::LineLeft);
    case QAbstractSlider::SliderSingleStepAdd:
        return OnScroll(ScrollRequest::LineRight);
    case QAbstractSlider::SliderPageStepSub:
        return OnScroll(ScrollRequest::PageLeft);
    case QAbstractSlider::SliderPageStepAdd:
        return OnScroll(ScrollRequest::PageRight);
    case QAbstractSlider::SliderToMinimum:
        return OnScroll(ScrollRequest::FarLeft);
    case QAbstractSlider::SliderToMaximum:
        return OnScroll(ScrollRequest::FarRight);
    default:
        return; // tracking the thumb leaves the value until it is released
    }
}

void CValueDlgBase::OnScroll(ScrollRequest request)
{
    const int thumb = m_slider->sliderPosition();
    MoveSliderTo(ScrolledValue(request, m_sliderValue, thumb, Scale()));
}

void CValueDlgBase::MoveSliderTo(double value)
{
    DoDataExchange(true);
    // A value whose results overflow stays out of reach; the slider keeps its last one.
    if (Recompute(value).empty())
        m_sliderValue = value;
    else
        m_app.services.messages->Beep(MessageIcon::Warning);
    m_sliderPos = SliderPosition(m_sliderValue, Scale());
    DoDataExchange(false);
}

void CValueDlgBase::OnDigits()
{
    m_numDigits = NextDigits(m_numDigits);
    SetDigitsCaption();
    RecomputeDisplay();
}

void CValueDlgBase::OnScientific()
{
    RecomputeDisplay();
}

void CValueDlgBase::RecomputeDisplay()
{
    m_busy = 1;
    DoDataExchange(true);
    OnDisplaySettingsChanged();
    if (!AcceptInput())
        return;
    DoDataExchange(false);
    m_busy = 0;
}

void CValueDlgBase::OnPaste()
{
    if (!m_fieldClipboard->MayPaste())
        return;
    m_inputText.clear();
    m_fieldClipboard->Paste();
}

void CValueDlgBase::OnCopyWholeResults()
{
    m_fieldClipboard->CopyText(WholeResultsText());
}

void CValueDlgBase::OnResultsKey()
{
    if (m_rowsFocus->HasFocus())
        m_inputEdit->setFocus(Qt::ShortcutFocusReason);
    else
        m_rowsFocus->FocusRows();
}

void CValueDlgBase::accept()
{
    OnInputLostFocus();
}

void CValueDlgBase::EnterValue(const QString& text)
{
    m_inputEdit->setText(text);
    m_inputEdit->setModified(true);
    OnInputLostFocus();
}

void CValueDlgBase::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        else
            accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CValueDlgBase::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    // Qt opens a window at most two thirds of the screen tall; these show every row that fits.
    resize(sizeHint());
    FitWithinScreen(*this);
    CentreWithinScreen(*this);
}

} // namespace kalvex
