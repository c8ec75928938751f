#pragma once
// "Nowy wykres": the standard edition's choice of a new chart. The user picks a data provider
// and one of its instruments, a tick or daily chart and one of four chart types; OK (or picking
// an instrument directly) hands the instrument to the business object and closes with Accepted.

#include "charts/ui/AssetChoiceServices.h"

#include <QDialog>

#include <memory>

class BLChooseAssetChartParams;
class ChooseAssetDlgComponent;
class MenuChooseProviderComponent;
class ProviderBase;
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
    void ShowProviderPage(ProviderBase* provider);

    ChooseAssetDlgComponent& Component() const { return *m_component; }
    QToolButton* ProviderButton() const { return m_providerButton; }
    QRadioButton* TickRadio() const { return m_tick; }
    QRadioButton* DayRadio() const { return m_day; }
    // 0 line, 1 column, 2 bar, 3 candle.
    QToolButton* ChartTypeButton(int chartType) const { return m_chartTypes[chartType]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ChooseProviderFromMenu();

    BLChooseAssetChartParams& m_params;
    AssetChoiceServices m_services;
    std::unique_ptr<ChooseAssetDlgComponent> m_component;
    std::unique_ptr<MenuChooseProviderComponent> m_menu;
    QToolButton* m_providerButton;
    QWidget* m_pageArea;
    QRadioButton* m_tick;
    QRadioButton* m_day;
    QToolButton* m_chartTypes[4] = {};
};
