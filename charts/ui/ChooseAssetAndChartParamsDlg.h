#pragma once
// "Nowy wykres": the standard edition's choice of a new chart. The user picks a data provider
// and one of its instruments, a tick or daily chart and one of four chart types; OK (or picking
// an instrument directly) hands the instrument to the business object and closes with Accepted.

#include "charts/ui/AssetChoiceServices.h"

#include <QDialog>

#include <memory>

class AssetChoicePane;
class BLChooseAssetChartParams;
class QRadioButton;
class QToolButton;

class ChooseAssetAndChartParamsDlg : public QDialog
{
    Q_OBJECT

public:
    enum ControlId
    {
        IDC_PROVIDER = 978,
        IDC_TICK = 1097,
        IDC_DAY = 1099,
        IDC_LINE = 1325,
        IDC_COLUMN = 1326,
        IDC_BAR = 1327,
        IDC_CANDLE = 1328,
    };

    ChooseAssetAndChartParamsDlg(BLChooseAssetChartParams& params, AssetChoiceServices services);
    ~ChooseAssetAndChartParamsDlg() override;

    void OnOk();
    void OnTick();
    void OnDay();
    void OnChartType(int chartType);

    AssetChoicePane& Pane() const { return *m_pane; }
    QRadioButton* TickRadio() const { return m_tick; }
    QRadioButton* DayRadio() const { return m_day; }
    // 0 line, 1 column, 2 bar, 3 candle.
    QToolButton* ChartTypeButton(int chartType) const { return m_chartTypes[chartType]; }

private:
    BLChooseAssetChartParams& m_params;
    AssetChoiceServices m_services;
    AssetChoicePane* m_pane;
    QRadioButton* m_tick;
    QRadioButton* m_day;
    QToolButton* m_chartTypes[4] = {};
};
