#pragma once
// The transaction list: the transactions of one instrument in one session, newest first. It
// keeps the newest kMaxTransactions of the running session; a past session date shows the
// kept transactions of that date (the list fetches no history). In the tendency colouring mode
// (2) rising transactions take the two rise colours in turn and falling ones the two fall
// colours; otherwise rows alternate odd and even.

#include "modulelibs/windows/FeedWindow.h"
#include "platform/modules/Transaction.h"
#include "styles/engine/StyleTransactionList.h"

#include <QDate>

#include <deque>
#include <functional>
#include <vector>

class TransListWindow : public FeedWindow
{
    Q_OBJECT

public:
    static constexpr StyleType kStyleType = StyleTransactionList::Type;
    static constexpr std::size_t kMaxTransactions = 100000;
    // Row groups of the display parameters.
    static constexpr int kStyleGroup = 6;
    // The module target's command that begins editing the window's style.
    static constexpr std::uint32_t kEditStyleCommand = 33073;
    static constexpr int kColumnsMode = 1;
    static constexpr int kTendencyMode = 2;

    TransListWindow(ConsumerBase& consumer, const std::shared_ptr<StyleBase>& style, QWidget* parent);

    // Today's date; tests give their own clock.
    void SetClock(std::function<QDate()> today) { m_today = std::move(today); }
    void SetSessionDate(const QDate& date);
    QDate SessionDate() const { return m_sessionDate; }
    bool ShowsHistory() const { return m_sessionDate < m_today(); }
    // Back to the running session.
    void Synchronise() { SetSessionDate(m_today()); }
    // The shown transactions, newest first.
    int ShownCount() const { return RowCount(); }
    const Transaction& Shown(int index) const;
    // What a window absorbs from its feed; the benchmark feeds it directly.
    void AbsorbTransactions(std::vector<Transaction>&& transactions);
    // Paints the visible rows into an image of the window's size (the benchmark's repaint).
    void PaintInto(QImage& image);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void Absorb(FeedLink::Batch&& batch) override;
    void ForgetInstrumentData() override;
    QStringList Header() const override;
    QString KindName() const override { return QStringLiteral("Transakcje"); }
    std::optional<GridParams> Grid() const override
    {
        return GridParams{StyleTransactionList::ParamGridPen, StyleTransactionList::ParamHorizontalGrid, StyleTransactionList::ParamVerticalGrid};
    }
    int RowCount() const override;
    QStringList Row(int index) const override;
    int RowGroup(int index) const override;
    bool ColoursColumns() const override
    {
        return StyleParams().GetParam(kStyleGroup, StyleTransactionList::ParamColouringMode) == kColumnsMode;
    }

private:
    // The change of the transaction's price against the one before it: +1, -1 or 0.
    int Tendency(int index) const;
    void Refilter();

    std::function<QDate()> m_today;
    QDate m_sessionDate;
    std::deque<Transaction> m_transactions;  // newest first
    std::vector<Transaction> m_history;      // the shown ones while a past date is chosen
};
