#pragma once

#include "ui/conversion/value_dlg_base.h"

class QButtonGroup;

namespace kalvex {

// Converts a typed temperature between fahrenheit, rankine, celsius and kelvin. Its lower limit
// is absolute zero of the chosen scale; its digits and notation are the application's
// temperature settings, changed here directly. Nothing is saved when it closes.
class CTemperatureDlg final : public CValueDlgBase {
    Q_OBJECT
public:
    explicit CTemperatureDlg(AppState& app, QWidget* parent = nullptr);

    int m_scale = 0; // the chosen scale, 8401..8404

    void reject() override;
    // A scale picked as the initial one, 8401..8404.
    void OnScaleChosen(int scale);

private:
    void BuildRows();
    void Open();

    void ExchangeFields(bool saving) override;
    ConversionRows Rows(double value) override;
    int DialogHelpTopic() const override;
    std::vector<QWidget*> InitialUnitControls() const override;
    int InitialRow() const override;
    void OnDisplaySettingsChanged() override;

    QButtonGroup* m_scaleButtons = nullptr;
};

} // namespace kalvex
