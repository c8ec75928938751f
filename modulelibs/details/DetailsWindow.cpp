#include "modulelibs/details/DetailsWindow.h"

#include "platform/settings/Settings.h"

#include <algorithm>

namespace
{
struct Field
{
    ESeriesID series;
    const char* label;
    int decimals;
};

const Field kFields[] = {
    {SeriesIds::kPrice, "Kurs", 2},
    {SeriesIds::kChange, "Zmiana", 2},
    {SeriesIds::kChangePercent, "Zmiana %", 2},
    {SeriesIds::kVolume, "Wolumen", 0},
    {SeriesIds::kTotalVolume, "Wolumen razem", 0},
    {SeriesIds::kTurnover, "Obrót", 0},
    {SeriesIds::kTransactions, "Liczba transakcji", 0},
    {SeriesIds::kOpen, "Otwarcie", 2},
    {SeriesIds::kHigh, "Maksimum", 2},
    {SeriesIds::kLow, "Minimum", 2},
    {SeriesIds::kReference, "Odniesienie", 2},
    {SeriesIds::kBidPrice1, "Kupno", 2},
    {SeriesIds::kBidVolume1, "Wolumen kupna", 0},
    {SeriesIds::kAskPrice1, "Sprzedaż", 2},
    {SeriesIds::kAskVolume1, "Wolumen sprzedaży", 0},
    {SeriesIds::kTheoreticalOpen, "TKO", 2},
    {SeriesIds::kTheoreticalVolume, "TWO", 0},
    {SeriesIds::kOpenInterest, "LOP", 0},
    {SeriesIds::kUpperLimit, "Limit górny", 2},
    {SeriesIds::kLowerLimit, "Limit dolny", 2},
};

const Field* FindField(ESeriesID series)
{
    for (const Field& field : kFields)
        if (field.series == series)
            return &field;
    return nullptr;
}
}

DetailsWindow::DetailsWindow(ConsumerBase& consumer, const std::shared_ptr<StyleBase>& style, QWidget* parent)
    : FeedWindow(consumer, style, 2, parent)
{
    for (const Field& field : kFields)
        m_order.push_back(field.series);
}

void DetailsWindow::MoveSelectedRow(int step)
{
    const int target = m_selected + step;
    if (m_selected < 0 || m_selected >= RowCount() || target < 0 || target >= RowCount())
        return;
    std::swap(m_order[m_selected], m_order[target]);
    m_selected = target;
}

void DetailsWindow::ForgetInstrumentData()
{
    m_state = CurrentState();
    m_trends.clear();
}

void DetailsWindow::Absorb(FeedLink::Batch&& batch)
{
    if (!batch.state)
        return;
    m_trends.clear();
    for (const Field& field : kFields)
    {
        const ValueCS* before = m_state.Find(field.series);
        const ValueCS* after = batch.state->Find(field.series);
        if (before && after && before->HasValue() && after->HasValue())
        {
            const double change = batch.state->GetDouble(field.series) - m_state.GetDouble(field.series);
            m_trends[field.series] = change > 0 ? 1 : change < 0 ? -1 : 0;
        }
    }
    m_state = *batch.state;
}

QStringList DetailsWindow::Header() const
{
    return {GetAsset().GetShortName(), QStringLiteral("Wartość")};
}

QStringList DetailsWindow::Row(int index) const
{
    const Field* field = FindField(m_order[index]);
    const ValueCS* value = m_state.Find(field->series);
    const QString text = value && value->HasValue() ? QString::number(m_state.GetDouble(field->series), 'f', field->decimals)
                               : QStringLiteral("-");
    return {QString::fromUtf8(field->label), text};
}

int DetailsWindow::RowTrend(int index) const
{
    const auto trend = m_trends.find(m_order[index]);
    return trend == m_trends.end() ? 0 : trend->second;
}

void DetailsWindow::OnRowClicked(int row)
{
    if (row < RowCount())
        m_selected = row;
}

void DetailsWindow::SaveOwnState(Settings& node) const
{
    QStringList order;
    for (ESeriesID series : m_order)
        order << QString::number(series);
    node["RowOrder"] = order.join(QLatin1Char(','));
    node["SelectedRow"] = static_cast<std::int32_t>(m_selected);
}

void DetailsWindow::LoadOwnState(const Settings& node)
{
    // Only an order that names every field once is taken; anything else keeps the default.
    std::vector<ESeriesID> order;
    for (const QString& part : node["RowOrder"].ToString().split(QLatin1Char(','), Qt::SkipEmptyParts))
        order.push_back(part.toInt());
    std::vector<ESeriesID> sorted = order;
    std::vector<ESeriesID> expected = m_order;
    std::sort(sorted.begin(), sorted.end());
    std::sort(expected.begin(), expected.end());
    if (sorted == expected)
        m_order = order;
    m_selected = std::clamp(node["SelectedRow"].ToInt(), 0, RowCount() - 1);
}
