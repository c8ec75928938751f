#pragma once
// "Wybór parametrów wykresu": the new-chart wizard's page of the chart's interval and its
// multiplicity, the range of data (from a date or a number of sessions back), the chart type and
// the scale. Finish refuses invalid fields, writing defaults into them, and otherwise hands the
// chart's request and range to the business object.

#include <QDate>
#include <QWizardPage>

class BLChooseAssetChartParams;
class DateEditCtrl;
class MultiplicityEditCtrl;
class NumberEditCtrl;
class QComboBox;
class QRadioButton;
class QToolButton;

class ChooseChartParamsPropertyPage : public QWizardPage
{
    Q_OBJECT

public:
    enum ControlId
    {
        IDC_MULTIPLICITY = 1310,
        IDC_INTERVAL = 1311,
        IDC_RANGE_DATES = 1313,
        IDC_RANGE_SESSIONS = 1314,
        IDC_DATE_FROM = 1316,
        IDC_DATE_TO = 1317,
        IDC_SESSIONS = 1318,
    };

    explicit ChooseChartParamsPropertyPage(BLChooseAssetChartParams& params);

    void OnInitDialog();
    bool OnWizardFinish();
    void OnIntervalChanged();
    void OnMultiplicityChanged();
    void OnDateFromChanged(const QDate& date);
    void OnDateToChanged(const QDate& date);
    void OnSessionsChanged();
    void OnChartType(int chartType);
    void OnScaleType(int timeAxisType);

    // 0 without a selection.
    int GetSelectedInterval() const;
    QComboBox* IntervalCombo() const { return m_interval; }
    MultiplicityEditCtrl* MultiplicityEdit() const { return m_multiplicity; }
    QRadioButton* DatesRadio() const { return m_byDates; }
    QRadioButton* SessionsRadio() const { return m_bySessions; }
    DateEditCtrl* DateFrom() const { return m_dateFrom; }
    DateEditCtrl* DateTo() const { return m_dateTo; }
    NumberEditCtrl* SessionsEdit() const { return m_sessions; }
    // 0 line, 1 column, 2 bar, 3 candle.
    QToolButton* ChartTypeButton(int chartType) const { return m_chartTypes[chartType]; }
    // 0 "Transakcyjna", 1 "Liniowa", 2 "Liniowa stała", 3 "Wolumenowa".
    QToolButton* ScaleButton(int timeAxisType) const { return m_scales[timeAxisType]; }
    bool IsRangeEdited() const { return m_rangeEdited; }

    void initializePage() override;
    bool validatePage() override;

private:
    void SetMultiplicityLimits(int interval);
    void SetRangeLimits(int interval);
    void SetRangeControls(int interval, bool start);
    void ApplyRadioRule();
    void EnableRangeControls(bool enable);
    void ApplyChartTypeRule(int interval);
    void FollowDatesWithSessions();

    BLChooseAssetChartParams& m_params;
    QComboBox* m_interval;
    MultiplicityEditCtrl* m_multiplicity;
    QRadioButton* m_byDates;
    QRadioButton* m_bySessions;
    DateEditCtrl* m_dateFrom;
    DateEditCtrl* m_dateTo;
    NumberEditCtrl* m_sessions;
    QWidget* m_dateToLabel;
    QToolButton* m_chartTypes[4] = {};
    QToolButton* m_scales[4] = {};
    bool m_rangeEdited = false;
    bool m_initialised = false;
};
