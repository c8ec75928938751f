#include "sessionstats/ui/SummaryGridRows.h"

#include "platform/toolkit/ITableView.h"
#include "sessionstats/ui/IGridLineManager.h"
#include "sessionstats/ui/StatisticsTextStyle.h"
#include "sessionstats/ui/SummaryGridObject.h"

#include <algorithm>

namespace
{
constexpr int kRises = 0;
constexpr int kFalls = 1;
constexpr int kTurnover = 2;
constexpr int kTransactions = 3;
}

QString SummaryGridRowBase::GetColumnText(int column) const
{
    return column >= 0 && column < kColumns ? m_texts[column] : QString();
}

SummaryGridHeaderRow::SummaryGridHeaderRow(const SummaryGridObject& owner, bool top)
    : SummaryGridRowBase(owner, top ? kRises : kFalls, top ? kTurnover : kTransactions)
{
    m_texts = top ? std::array<QString, kColumns>{QStringLiteral("Wzrosty"), QString(), QStringLiteral("Kurs"),
                                                  QStringLiteral("Obroty"), QString(), QStringLiteral("Zmiana"),
                                                  QStringLiteral("Kurs")}
                  : std::array<QString, kColumns>{QStringLiteral("Spadki"), QString(), QStringLiteral("Kurs"),
                                                  QStringLiteral("Transakcje"), QString(), QStringLiteral("Zmiana"),
                                                  QStringLiteral("Kurs")};
}

SummaryGridDataRow::SummaryGridDataRow(const SummaryGridObject& owner, int leftKind, int rightKind,
                                       const AssetStatisticsWrapper* left, const AssetStatisticsWrapper* right)
    : SummaryGridRowBase(owner, leftKind, rightKind)
    , m_left(left)
    , m_right(right)
{
}

void SummaryGridDataRow::Update()
{
    for (int column = 0; column < kColumns; ++column)
        m_texts[column] = Format(column);
}

int SummaryGridDataRow::GetHeight() const
{
    return std::max(StatisticsTextStyle::TextHeight(m_owner.GetTextStyle(LeftKind()).get()),
                    StatisticsTextStyle::TextHeight(m_owner.GetTextStyle(RightKind()).get()));
}

QString SummaryGridDataRow::GetDisplayText(int column) const
{
    return column >= 0 && column < kColumns ? Format(column) : QString();
}

QString SummaryGridDataRow::Format(int column) const
{
    const AssetStatisticsWrapper* slot = SlotOf(column);
    if (!slot)
        return QString();
    if (column == 0 || column == 3)
        return slot->AssetName();
    int source = 1;
    if (column == 2 || column == 6)
        source = 2;
    else if (column == 4)
        source = FourthColumnSource();
    const QFont font = StatisticsTextStyle::Font(m_owner.GetTextStyle(KindOf(column)).get());
    const ITableView* view = m_owner.GetView();
    const int width =
        view ? view->GetColumnWidth(column) - 4 - (m_owner.GetGridLineManager().GetGridLineWidth() + 4) : 0;
    return slot->Text(source, &font, std::max(0, width));
}

SummaryGridTopDataRow::SummaryGridTopDataRow(const SummaryGridObject& owner, const AssetStatisticsWrapper* left,
                                             const AssetStatisticsWrapper* right)
    : SummaryGridDataRow(owner, kRises, kTurnover, left, right)
{
}

SummaryGridBottomDataRow::SummaryGridBottomDataRow(const SummaryGridObject& owner, const AssetStatisticsWrapper* left,
                                                   const AssetStatisticsWrapper* right)
    : SummaryGridDataRow(owner, kFalls, kTransactions, left, right)
{
}
