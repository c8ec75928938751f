#include "modulelibs/offers/OffersWindow.h"

#include "platform/settings/Settings.h"

#include <algorithm>

namespace
{
QStringList Level(const std::vector<OrderBookLevel>& side, int index)
{
    if (index >= static_cast<int>(side.size()))
        return {QString(), QString(), QString()};
    const OrderBookLevel& level = side[index];
    return {QString::number(level.count), QString::number(level.volume, 'f', 0), QString::number(level.price, 'f', 2)};
}
}

OffersWindow::OffersWindow(ConsumerBase& consumer, const std::shared_ptr<StyleBase>& style, QWidget* parent)
    : FeedWindow(consumer, style, 2, parent)
{
}

void OffersWindow::Absorb(FeedLink::Batch&& batch)
{
    if (batch.book)
        m_book = std::move(*batch.book);
}

QStringList OffersWindow::Header() const
{
    if (m_stacked)
        return {QStringLiteral("Strona"), QStringLiteral("Liczba"), QStringLiteral("Wolumen"), QStringLiteral("Cena")};
    return {QStringLiteral("Liczba"), QStringLiteral("Wolumen"), QStringLiteral("Kupno"),
            QStringLiteral("Sprzedaż"), QStringLiteral("Wolumen"), QStringLiteral("Liczba")};
}

int OffersWindow::RowCount() const
{
    const int bids = static_cast<int>(m_book.bids.size());
    const int asks = static_cast<int>(m_book.asks.size());
    return m_stacked ? bids + asks : std::max(bids, asks);
}

QStringList OffersWindow::Row(int index) const
{
    if (m_stacked)
    {
        const int asks = static_cast<int>(m_book.asks.size());
        if (index < asks)
            return QStringList{QStringLiteral("Sprzedaż")} + Level(m_book.asks, asks - 1 - index);
        return QStringList{QStringLiteral("Kupno")} + Level(m_book.bids, index - asks);
    }
    QStringList ask = Level(m_book.asks, index);
    std::reverse(ask.begin(), ask.end());
    return Level(m_book.bids, index) + ask;
}

void OffersWindow::SaveOwnState(Settings& node) const
{
    node["Stacked"] = m_stacked;
}

void OffersWindow::LoadOwnState(const Settings& node)
{
    m_stacked = node["Stacked"].ToBool();
}
