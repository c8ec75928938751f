#include "charts/ui/ChooseChartParamsPropertyPage.h"

#include "charts/ui/BLChooseAssetChartParams.h"
#include "charts/ui/ChartTypeButtons.h"
#include "charts/ui/DateEditCtrl.h"
#include "charts/ui/IntervalLimits.h"
#include "charts/ui/IntervalTranslator.h"
#include "charts/ui/MultiplicityEditCtrl.h"
#include "modulelibs/chart/ChartsDateHelper.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdint>

namespace
{
constexpr std::int64_t kUnlimited = 0xFFFFFFFF;
}

ChooseChartParamsPropertyPage::ChooseChartParamsPropertyPage(BLChooseAssetChartParams& params)
    : m_params(params)
    , m_interval(new QComboBox(this))
    , m_multiplicity(new MultiplicityEditCtrl(this))
    , m_byDates(new QRadioButton(QStringLiteral("Data od:"), this))
    , m_bySessions(new QRadioButton(QStringLiteral("Liczba sesji:"), this))
    , m_dateFrom(new DateEditCtrl(this))
    , m_dateTo(new DateEditCtrl(this))
    , m_sessions(new NumberEditCtrl(this))
    , m_dateToLabel(new QLabel(QStringLiteral("Data do:"), this))
{
    setTitle(QStringLiteral("Wybór parametrów wykresu"));
    m_interval->setObjectName(QString::number(IDC_INTERVAL));
    m_multiplicity->setObjectName(QString::number(IDC_MULTIPLICITY));
    m_byDates->setObjectName(QString::number(IDC_RANGE_DATES));
    m_bySessions->setObjectName(QString::number(IDC_RANGE_SESSIONS));
    m_dateFrom->setObjectName(QString::number(IDC_DATE_FROM));
    m_dateTo->setObjectName(QString::number(IDC_DATE_TO));
    m_sessions->setObjectName(QString::number(IDC_SESSIONS));
    auto* radios = new QButtonGroup(this);
    radios->addButton(m_byDates);
    radios->addButton(m_bySessions);

    auto* range = new QGroupBox(QStringLiteral("Interwał i zakres"), this);
    auto* rangeLayout = new QGridLayout(range);
    rangeLayout->addWidget(new QLabel(QStringLiteral("Interwał:"), range), 0, 0);
    rangeLayout->addWidget(m_interval, 0, 1);
    rangeLayout->addWidget(new QLabel(QStringLiteral("Krotność:"), range), 0, 2);
    rangeLayout->addWidget(m_multiplicity, 0, 3);
    rangeLayout->addWidget(m_byDates, 1, 0);
    rangeLayout->addWidget(m_dateFrom, 1, 1);
    rangeLayout->addWidget(m_dateToLabel, 1, 2);
    rangeLayout->addWidget(m_dateTo, 1, 3);
    rangeLayout->addWidget(m_bySessions, 2, 0);
    rangeLayout->addWidget(m_sessions, 2, 1);

    auto* types = new QGroupBox(QStringLiteral("Typ wykresu"), this);
    auto* typesLayout = new QHBoxLayout(types);
    ChartTypeButtons::Create(types, m_chartTypes);
    for (int type : {0, 1, 3, 2})
    {
        typesLayout->addWidget(m_chartTypes[type]);
        connect(m_chartTypes[type], &QToolButton::clicked, this, [this, type] { OnChartType(type); });
    }
    auto* scales = new QGroupBox(QStringLiteral("Typ skali"), this);
    auto* scalesLayout = new QHBoxLayout(scales);
    ChartTypeButtons::CreateScales(scales, m_scales);
    for (int type = 0; type < 4; ++type)
    {
        scalesLayout->addWidget(m_scales[type]);
        connect(m_scales[type], &QToolButton::clicked, this, [this, type] { OnScaleType(type); });
    }
    m_scales[3]->hide();
    m_scales[3]->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(range);
    layout->addWidget(types);
    layout->addWidget(scales);

    connect(m_interval, &QComboBox::currentIndexChanged, this, [this] {
        if (m_initialised)
            OnIntervalChanged();
    });
    connect(m_multiplicity, &QLineEdit::textChanged, this, [this] {
        if (m_initialised)
            OnMultiplicityChanged();
    });
    connect(m_dateFrom, &DateEditCtrl::DateChanged, this, &ChooseChartParamsPropertyPage::OnDateFromChanged);
    connect(m_dateTo, &DateEditCtrl::DateChanged, this, &ChooseChartParamsPropertyPage::OnDateToChanged);
    connect(m_sessions, &QLineEdit::textChanged, this, [this] {
        if (m_initialised)
            OnSessionsChanged();
    });
    connect(m_byDates, &QRadioButton::clicked, this, &ChooseChartParamsPropertyPage::ApplyRadioRule);
    connect(m_bySessions, &QRadioButton::clicked, this, &ChooseChartParamsPropertyPage::ApplyRadioRule);
}

void ChooseChartParamsPropertyPage::initializePage()
{
    // Back and Next again may bring another instrument: the page starts over for it.
    m_initialised = false;
    m_rangeEdited = false;
    m_interval->clear();
    OnInitDialog();
}

bool ChooseChartParamsPropertyPage::validatePage()
{
    return OnWizardFinish();
}

int ChooseChartParamsPropertyPage::GetSelectedInterval() const
{
    return m_interval->currentIndex() >= 0 ? m_interval->currentData().toInt() : 0;
}

void ChooseChartParamsPropertyPage::OnInitDialog()
{
    m_dateFrom->SetDDMMYYYYFormat();
    m_dateTo->SetDDMMYYYYFormat();
    const std::set<EInterval> intervals = m_params.GetSetPossibleIntervals();
    if (m_params.SupportHistry() && !intervals.empty())
        m_multiplicity->SetMinIntervalMultiplicity(*intervals.begin(), m_params.GetMultiplicity());
    else
        m_multiplicity->SetMinIntervalMultiplicity(DataRequestParams::kTick, 1);
    for (EInterval interval : intervals)
    {
        m_interval->addItem(IntervalTranslator::TranslateInterwalToLabel(interval), interval);
        if (interval == m_params.GetLastChosenInterval() && interval != 0)
            m_interval->setCurrentIndex(m_interval->count() - 1);
    }
    if (m_interval->count() > 0)
    {
        if (m_interval->currentIndex() < 0)
            m_interval->setCurrentIndex(0);
        SetMultiplicityLimits(GetSelectedInterval());
        const int remembered = m_params.GetLastChosenMultiplicity();
        m_multiplicity->SetValue(remembered != 0 ? remembered : m_multiplicity->GetLower());
    }
    else
    {
        m_interval->setEnabled(false);
        m_multiplicity->setEnabled(false);
    }
    const int interval = GetSelectedInterval();
    SetRangeLimits(interval);
    SetRangeControls(interval, true);
    const int chartType = m_params.GetChartType();
    OnChartType(chartType >= 0 && chartType < 4 ? chartType : 0);
    const int scale = m_params.GetTimeAxisType();
    OnScaleType(scale >= 0 && scale < 4 ? scale : 0);
    ApplyChartTypeRule(interval);
    m_initialised = true;
    OnMultiplicityChanged();
}

void ChooseChartParamsPropertyPage::SetMultiplicityLimits(int interval)
{
    std::int64_t lower = 1;
    if (m_params.SupportHistry())
    {
        const EInterval minimum = m_params.GetMinInterval();
        lower = interval > minimum ? 1 : interval == minimum ? m_params.GetMultiplicity() : 0;
    }
    m_multiplicity->SetCurrentInterval(interval);
    m_multiplicity->SetLimits(lower, IntervalLimits::GetLimitMultiplicity(interval));
}

void ChooseChartParamsPropertyPage::SetRangeLimits(int interval)
{
    if (!m_params.SupportHistry() || interval == 0)
    {
        EnableRangeControls(false);
        m_byDates->setEnabled(false);
        m_bySessions->setEnabled(false);
        return;
    }
    if (interval < DataRequestParams::kDay)
    {
        std::int64_t days = 0;
        m_sessions->SetLimits(1, m_params.GetMaxDaysCount(interval, days) && days > 0 ? days : kUnlimited);
        QDate minimum;
        QDate maximum;
        if (m_params.GetMaxDatesRange(minimum, maximum))
        {
            m_dateFrom->SetRange(minimum, maximum);
            m_dateTo->SetRange(minimum, maximum);
        }
    }
    else
    {
        m_sessions->SetLimits(1, kUnlimited);
        m_dateFrom->ClearRange();
        m_dateTo->ClearRange();
    }
}

void ChooseChartParamsPropertyPage::EnableRangeControls(bool enable)
{
    for (QWidget* control : std::initializer_list<QWidget*>{m_byDates, m_bySessions, m_dateFrom, m_dateToLabel, m_dateTo, m_sessions})
        control->setEnabled(enable);
}

void ChooseChartParamsPropertyPage::SetRangeControls(int interval, bool start)
{
    if (!m_params.SupportHistry())
    {
        EnableRangeControls(false);
        return;
    }
    if (start)
    {
        const bool byDates = m_params.GetLastChosenButtonID() == IDC_RANGE_DATES;
        (byDates ? m_byDates : m_bySessions)->setChecked(true);
    }
    const QDate today = QDate::currentDate();
    if ((m_params.GetKindData() & BLChooseAssetChartParams::kHistory) == 0)
    {
        if (!m_rangeEdited)
        {
            m_dateFrom->SetDate(today);
            m_dateTo->SetDate(today);
        }
        EnableRangeControls(false);
        return;
    }
    if (!m_rangeEdited)
    {
        EnableRangeControls(true);
        QDate from;
        QDate to;
        if (!m_params.GetDafaultRangeDateForInterval(start, interval, from, to))
            from = to = today;
        m_dateFrom->SetDate(from);
        m_dateTo->SetDate(to);
        int days = 0;
        m_sessions->SetValue(m_params.GetDafaultRangeDaysForInterval(start, interval, days) ? days : 1);
    }
    ApplyRadioRule();
}

void ChooseChartParamsPropertyPage::ApplyRadioRule()
{
    const bool byDates = m_byDates->isChecked();
    m_dateFrom->setEnabled(byDates);
    m_dateToLabel->setEnabled(byDates);
    m_dateTo->setEnabled(byDates);
    m_sessions->setEnabled(!byDates);
}

void ChooseChartParamsPropertyPage::ApplyChartTypeRule(int interval)
{
    const bool priced = interval > DataRequestParams::kTick;
    m_chartTypes[2]->setEnabled(priced);
    m_chartTypes[3]->setEnabled(priced);
    if (interval == DataRequestParams::kTick)
        OnChartType(0);
}

void ChooseChartParamsPropertyPage::OnChartType(int chartType)
{
    for (int type = 0; type < 4; ++type)
        m_chartTypes[type]->setChecked(type == chartType);
    m_params.SetChartType(chartType);
}

void ChooseChartParamsPropertyPage::OnScaleType(int timeAxisType)
{
    for (int type = 0; type < 4; ++type)
        m_scales[type]->setChecked(type == timeAxisType);
    m_params.SetTimeAxisType(timeAxisType);
}

void ChooseChartParamsPropertyPage::OnIntervalChanged()
{
    const int interval = GetSelectedInterval();
    if (!m_multiplicity->IsValid() || !m_dateFrom->IsValid() || !m_dateTo->IsValid())
        m_rangeEdited = false;
    SetRangeLimits(interval);
    SetRangeControls(interval, false);
    SetMultiplicityLimits(interval);
    m_multiplicity->CheckAndMark();
    ApplyChartTypeRule(interval);
    OnMultiplicityChanged();
}

void ChooseChartParamsPropertyPage::OnMultiplicityChanged()
{
    // Ticks gathered into bars have no even time to lay out on a linear scale.
    const bool gathered = GetSelectedInterval() == DataRequestParams::kTick && m_multiplicity->GetValue() >= 2;
    m_scales[1]->setEnabled(!gathered);
    m_scales[2]->setEnabled(!gathered);
    if (gathered)
        OnScaleType(0);
}

void ChooseChartParamsPropertyPage::FollowDatesWithSessions()
{
    if (!m_byDates->isChecked())
        return;
    int count = 0;
    if (!ChartsDateHelper::GetSessionCountForDates(m_dateFrom->GetDate(), m_dateTo->GetDate(), count))
        count = 1;
    if (m_sessions->GetValue() != count || !m_sessions->IsValid())
        m_sessions->SetValue(count);
}

void ChooseChartParamsPropertyPage::OnDateFromChanged(const QDate& date)
{
    m_rangeEdited = true;
    if (!date.isValid())
        return;
    if (m_dateTo->IsValid() && m_dateTo->GetDate() < date)
        m_dateTo->SetDate(date);
    FollowDatesWithSessions();
}

void ChooseChartParamsPropertyPage::OnDateToChanged(const QDate& date)
{
    m_rangeEdited = true;
    if (!date.isValid())
        return;
    if (m_dateFrom->IsValid() && m_dateFrom->GetDate() > date)
        m_dateFrom->SetDate(date);
    FollowDatesWithSessions();
}

void ChooseChartParamsPropertyPage::OnSessionsChanged()
{
    const std::int64_t count = m_sessions->GetValue();
    if (!m_bySessions->isChecked() || count <= 0)
        return;
    const QDate today = QDate::currentDate();
    QDate from;
    if (!ChartsDateHelper::GetDateForGivenSessionCount(static_cast<int>(std::min<std::int64_t>(count, 0x7FFFFFFF)), from, today))
        return;
    if (m_dateFrom->GetDate() != from || m_dateTo->GetDate() != today)
    {
        m_dateFrom->SetDate(from);
        m_dateTo->SetDate(today);
    }
}

bool ChooseChartParamsPropertyPage::OnWizardFinish()
{
    const int interval = GetSelectedInterval();
    bool valid = interval != 0;
    if (!m_multiplicity->IsValid())
    {
        m_multiplicity->CheckAndMark();
        valid = false;
    }
    const bool history = m_params.SupportHistry();
    if (history)
    {
        if (!m_sessions->IsValid())
        {
            int days = 0;
            m_sessions->SetValue(m_params.GetDafaultRangeDaysForInterval(false, interval, days) ? days : 1);
            valid = false;
        }
        if (!m_dateFrom->IsValid())
        {
            QDate from;
            QDate to;
            const bool hasDefault = m_params.GetDafaultRangeDateForInterval(false, interval, from, to);
            m_dateFrom->SetDate(hasDefault ? from : m_dateFrom->GetMinimum().isValid() ? m_dateFrom->GetMinimum() : QDate::currentDate());
            valid = false;
        }
        if (!m_dateTo->IsValid())
        {
            m_dateTo->SetDate(m_dateTo->GetMaximum().isValid() ? m_dateTo->GetMaximum() : QDate::currentDate());
            valid = false;
        }
    }
    if (!valid)
        return false;

    const int multiplicity = static_cast<int>(m_multiplicity->GetValue());
    m_params.SetInterval(interval);
    m_params.SetMultiplicity(multiplicity);
    if (history)
    {
        m_params.SetSessionsCount(static_cast<int>(std::min<std::int64_t>(m_sessions->GetValue(), 0x7FFFFFFF)));
        m_params.SetDateFrom(m_dateFrom->GetDate());
        m_params.SetDateTo(m_dateTo->GetDate());
        m_params.SetLastChosenButtonID(m_byDates->isChecked() ? IDC_RANGE_DATES : IDC_RANGE_SESSIONS);
    }
    const QDate today = QDate::currentDate();
    QDate from = today;
    QDate to = today;
    const unsigned kinds = m_params.GetKindData();
    auto request = std::make_shared<DataRequestParams>();
    auto range = std::make_shared<ShowedRange>();
    range->rangeType = ShowedRange::kDates;
    if ((kinds & BLChooseAssetChartParams::kHistory) != 0)
    {
        if (m_byDates->isChecked())
        {
            from = m_dateFrom->GetDate();
            to = m_dateTo->GetDate();
        }
        else
        {
            const int sessions = static_cast<int>(std::min<std::int64_t>(m_sessions->GetValue(), 0x7FFFFFFF));
            if (!ChartsDateHelper::GetDateForGivenSessionCount(sessions, from, today))
                from = to;
            range->rangeType = ShowedRange::kSessions;
            range->sessionsCount = sessions;
            range->currentSessionsCount = sessions;
        }
    }
    for (Params* params : {static_cast<Params*>(request.get()), static_cast<Params*>(range.get())})
    {
        params->SetDateRange(from, to);
        if (from < today)
            params->AddKindData(BLChooseAssetChartParams::kHistory);
        if (to == today)
            params->AddKindData(kinds & ~BLChooseAssetChartParams::kHistory);
    }
    request->interval = interval;
    request->multiplicity = multiplicity;
    m_params.SetParams(request, range);
    m_params.SaveLastChosenState();
    return true;
}
