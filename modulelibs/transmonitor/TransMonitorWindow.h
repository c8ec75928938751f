#pragma once
// The transactions monitor: the transactions of many instruments whose value (price times
// volume) reaches the window's threshold, newest first, each painted in the rise or fall
// colours of its row when its price moved against the instrument's previous transaction. It
// follows the instruments chosen for it, or, with none chosen, every instrument of the
// provider it was opened on. Its context menu begins editing the style it follows. Main thread
// only; the provider's thread reaches only the feed.

#include "modulelibs/transmonitor/MonitorFeed.h"
#include "modulelibs/windows/FeedWindow.h"
#include "styles/engine/StyleTransactionsMonitor.h"

#include <QHash>

#include <deque>
#include <set>

class TransMonitorWindow : public FeedWindow
{
    Q_OBJECT

public:
    static constexpr StyleType kStyleType = StyleTransactionsMonitor::Type;
    static constexpr double kDefaultMinValue = 10000.0;
    static constexpr std::size_t kMaxRows = 10000;
    // The display parameters' group of the window style itself, after the odd and even rows.
    static constexpr int kStyleGroup = 2;

    struct Entry
    {
        MonitorFeed::Trade trade;
        int trend = 0;
    };

    TransMonitorWindow(ConsumerBase& consumer, const std::shared_ptr<StyleBase>& style, QWidget* parent);

    // The instruments followed; empty: all of the provider's.
    const std::set<Asset>& ChosenAssets() const { return m_chosen; }
    void SetChosenAssets(const std::set<Asset>& assets);
    const std::vector<Asset>& FollowedAssets() const { return m_feed.Followed(); }

    double MinValue() const { return m_minValue; }
    int ShownCount() const { return static_cast<int>(m_rows.size()); }
    const Entry& Shown(int index) const { return m_rows[static_cast<std::size_t>(index)]; }
    // What the window takes from its feed; tests and the benchmark feed it directly.
    void AbsorbTrades(std::vector<MonitorFeed::Trade>&& trades);

protected:
    bool Subscribe(const Asset& asset) override;
    bool TakeFeed() override;
    void ForgetInstrumentData() override;
    QString Caption() const override;
    QStringList Header() const override;
    std::optional<GridParams> Grid() const override
    {
        return GridParams{StyleTransactionsMonitor::ParamGridPen, StyleTransactionsMonitor::ParamHorizontalGrid, StyleTransactionsMonitor::ParamVerticalGrid};
    }
    int RowCount() const override { return ShownCount(); }
    QStringList Row(int index) const override;
    int RowTrend(int index) const override { return Shown(index).trend; }
    bool ColoursColumns() const override
    {
        return StyleParams().GetParam(kStyleGroup, StyleTransactionsMonitor::ParamColouring) == 1;
    }
    void SaveOwnState(Settings& node) const override;
    void LoadOwnState(const Settings& node) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    MonitorFeed m_feed;
    std::set<Asset> m_chosen;
    double m_minValue = kDefaultMinValue;
    std::deque<Entry> m_rows;                 // newest first
    QHash<QString, double> m_lastPrices;    // the previous transaction's price of each ticker
};
