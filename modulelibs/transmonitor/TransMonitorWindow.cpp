#include "modulelibs/transmonitor/TransMonitorWindow.h"

#include "modulelibs/transmonitor/TransMonitorModule.h"
#include "modulelibs/transmonitor/TransMonitorModuleConsumer.h"
#include "modulelibs/windows/AssetRef.h"
#include "platform/modules/ProviderBase.h"
#include "platform/settings/Settings.h"
#include "platform/settings/SettingsIterator.h"

#include <QContextMenuEvent>
#include <QMenu>

namespace
{
QString Number(double value, int precision)
{
    return QString::number(value, 'f', precision);
}
}

TransMonitorWindow::TransMonitorWindow(ConsumerBase& consumer, const std::shared_ptr<StyleBase>& style, QWidget* parent)
    : FeedWindow(consumer, style, kStyleGroup, parent)
{
}

void TransMonitorWindow::SetChosenAssets(const std::set<Asset>& assets)
{
    m_chosen = assets;
    Subscribe(GetAsset());
}

bool TransMonitorWindow::Subscribe(const Asset& asset)
{
    std::vector<Asset> assets(m_chosen.begin(), m_chosen.end());
    if (assets.empty() && asset.GetProvider())
        assets = asset.GetProvider()->GetAllAssets();
    return m_feed.Follow(assets) > 0;
}

bool TransMonitorWindow::TakeFeed()
{
    std::vector<MonitorFeed::Trade> trades = m_feed.Take();
    if (trades.empty())
        return false;
    AbsorbTrades(std::move(trades));
    return true;
}

void TransMonitorWindow::AbsorbTrades(std::vector<MonitorFeed::Trade>&& trades)
{
    for (MonitorFeed::Trade& trade : trades)
    {
        const Transaction& transaction = trade.transaction;
        double& last = m_lastPrices[trade.ticker];
        const int trend = last == 0.0 ? 0 : transaction.price > last ? 1 : transaction.price < last ? -1 : 0;
        last = transaction.price;
        if (transaction.price * transaction.volume >= m_minValue)
            m_rows.push_front({std::move(trade), trend});
    }
    if (m_rows.size() > kMaxRows)
        m_rows.resize(kMaxRows);
}

void TransMonitorWindow::ForgetInstrumentData()
{
    m_rows.clear();
    m_lastPrices.clear();
}

QString TransMonitorWindow::Caption() const
{
    return QStringLiteral("Monitor transakcji");
}

QStringList TransMonitorWindow::Header() const
{
    return {QStringLiteral("Czas"), QStringLiteral("Instrument"), QStringLiteral("Kurs"), QStringLiteral("Wolumen"),
            QStringLiteral("Wartość")};
}

QStringList TransMonitorWindow::Row(int index) const
{
    const MonitorFeed::Trade& trade = Shown(index).trade;
    const Transaction& transaction = trade.transaction;
    return {transaction.time.ToQDateTime().toString(QStringLiteral("HH:mm:ss")), trade.ticker,
            Number(transaction.price, 2), Number(transaction.volume, 0),
            Number(transaction.price * transaction.volume, 0)};
}

void TransMonitorWindow::SaveOwnState(Settings& node) const
{
    node["MinValue"] = m_minValue;
    Settings& chosen = node["Instruments"];
    for (const Asset& asset : m_chosen)
        AssetRef::Save(asset, chosen.AddUnnamed());
}

void TransMonitorWindow::LoadOwnState(const Settings& node)
{
    const double minValue = node["MinValue"].ToDouble();
    m_minValue = minValue > 0.0 ? minValue : kDefaultMinValue;
    m_chosen.clear();
    for (ConstSettingsIterator child = node["Instruments"].IteratorUnnamed(1); child.Iterate();)
        if (const std::optional<Asset> asset = AssetRef::Resolve(child.Node()))
            m_chosen.insert(*asset);
}

void TransMonitorWindow::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    const QAction* edit = menu.addAction(QStringLiteral("Podgląd i edycja stylu monitora transakcji"));
    if (menu.exec(event->globalPos()) != edit)
        return;
    ForceActivate();
    static_cast<TransMonitorModuleConsumer*>(GetTransactionsMonitorConsumer())->EditActiveStyle();
}
