#pragma once

#include "core/result_lines.h"
#include "ui/controls/context_help.h"
#include "ui/conversion/slider_scale.h"

#include <QDialog>
#include <QString>
#include <memory>
#include <vector>

class QCheckBox;
class QFrame;
class QLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace kalvex {

struct AppState;
class CFieldClipboard;
class CFocusScrollBar;
class CImageButton;
class CResultRowsFocus;
class CValueEdit;

// What the conversion windows share: one value typed in an input field, read back in result
// fields; a slider that nudges the value, a digits button, a scientific check box, Copy and
// Paste through the clipboard, and the guards that keep a recomputation from running into
// itself. The windows add their result rows and decide what a value means.
class CValueDlgBase : public QDialog {
    Q_OBJECT
public:
    ~CValueDlgBase() override;

    // Bound fields, exchanged with the controls by DoDataExchange.
    int m_sci = 0;       // check box 161
    QString m_inputText; // input field 306
    int m_sliderPos = 0; // scroll bar 111

    int m_numDigits = 6;
    double m_sliderMin = 0.0;
    double m_sliderMax = 20000.0;
    double m_sliderStep = 1.0;
    double m_sliderValue = 0.0;
    double m_lastValue = 0.0;
    double m_enteredValue = 0.0;
    int m_closing = 0;
    int m_busy = 0;

    // The control id of the field whose text is selected, 0 for none.
    int SelectedFieldId() const;

    // The text Ctrl+Shift+C puts on the clipboard: one line per shown row with the unit name,
    // the value as shown and the symbol, separated by tabs.
    QString WholeResultsText() const;

    // Enter anywhere but on a push button is the dialog's default action.
    void accept() override;
    // Puts text into the input field and accepts it, as if the user typed it and pressed Enter.
    void EnterValue(const QString& text);

protected:
    CValueDlgBase(AppState& app, QWidget* parent);

    // The windows put their own controls above the slider, and into the button row.
    // A framed section of controls; frames are numbered from 7500.
    void AddSection(int frameId, const QString& spokenName, QLayout* content);
    // Result rows scroll when the screen is too short for them, while the input field, the
    // slider and the buttons stay in view.
    void AddScrollingSection(int frameId, const QString& spokenName, QLayout* content);
    void AddScrollingRows(QWidget& rows);
    void InsertButton(QPushButton& button); // before Help

    // A result row: the read-only field and its symbol label, found by their ids.
    int AddResultRow(int fieldId, int symbolId, QLineEdit*& field, QLabel*& symbol);
    void SetRowUnit(int row, const QString& unitName, const QString& symbol);
    void ShowResult(int row, const QString& text);
    // The value over smaller units as the row's tooltip and accessible description; empty clears.
    void ShowCompound(int row, const QString& text);
    int RowCount() const { return int(m_rows.size()); }

    // Reads (saving) or writes every bound field; windows add theirs in ExchangeFields.
    void DoDataExchange(bool saving);
    virtual void ExchangeFields(bool saving) = 0;
    // The window's rows for a value, or why it refuses the value.
    virtual ConversionRows Rows(double value) = 0;
    virtual int DialogHelpTopic() const = 0;
    // The controls that choose the initial unit, in the order Tab should reach them.
    virtual std::vector<QWidget*> InitialUnitControls() const = 0;
    // The result row of the initial unit.
    virtual int InitialRow() const = 0;
    // Called after the digits or the notation changed, with the bound fields read.
    virtual void OnDisplaySettingsChanged() {}

    // Finishes the opening once the windows built their rows: help table, shortcuts, Paste state.
    CContextHelp& AttachBehaviours(const HelpPair* helpTable);
    void SetDigitsCaption();
    SliderScale Scale() const { return {m_sliderMin, m_sliderMax, m_sliderStep}; }
    void ResetSliderRange();
    void SelectInputField();
    // No field keeps a selection until one is focused again.
    void ForgetSelectedField();

    // The input field's loss of focus (and Enter): accept the typed value and recompute.
    void OnInputLostFocus();
    // True when the value was accepted and its rows shown; a refusal reports, puts the last value
    // back and clears m_busy.
    bool AcceptInput();
    // Shows the rows for a value; when the window refuses it, leaves the rows and says why.
    std::string Recompute(double value);
    // Warns with the message, as every refusal of a typed value does.
    void Warn(const std::string& message);

    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

    AppState& m_app;
    CValueEdit* m_inputEdit = nullptr;
    CFocusScrollBar* m_slider = nullptr;
    QPushButton* m_digitsButton = nullptr;
    QCheckBox* m_sciCheck = nullptr;
    CImageButton* m_cancelButton = nullptr;
    CImageButton* m_copyButton = nullptr;
    CImageButton* m_pasteButton = nullptr;
    CImageButton* m_helpButton = nullptr;

private:
    struct ResultRow {
        QLineEdit* field;
        QLabel* symbol;
        QString unitName;
    };

    void BuildControls();
    // Tab follows the window from top to bottom: the input field, the initial unit, the
    // results (one stop), the slider, the display settings and the buttons from left to right.
    void ChainTabOrder();
    QFrame* MakeSection(int frameId, const QString& spokenName, QLayout* content);

    void OnScroll(ScrollRequest request);
    // Shows the rows for a slider value; a value whose results overflow is refused with a beep.
    void MoveSliderTo(double value);
    void OnSliderAction(int action);
    void OnDigits();
    void OnScientific();
    // Accept the typed value again and recompute, after the digits or the notation changed.
    void RecomputeDisplay();
    void OnPaste();
    void OnCopyWholeResults();
    // F6: from anywhere to the result rows, from the rows back to the input field.
    void OnResultsKey();

    QString ValueInUnit(const QString& value, int row) const;
    // What assistive tools read on the slider: its value in the initial unit.
    void ShowSliderReading();
    // Screen readers hear new results through the input field's description, which holds the
    // value in the initial unit and the first two other results.
    void AnnounceResults();

    std::vector<ResultRow> m_rows;
    std::vector<ResultLine> m_shownLines;
    std::unique_ptr<CFieldClipboard> m_fieldClipboard;
    CResultRowsFocus* m_rowsFocus = nullptr;
    bool m_placed = false;
    QVBoxLayout* m_contentLayout = nullptr;
    QHBoxLayout* m_buttonRow = nullptr;
};

} // namespace kalvex
