#pragma once
// The offers window: the order book of one instrument by price level. Side by side (the
// vertical layout) each row holds a bid level and the ask level of the same depth; stacked
// (the horizontal layout) the asks run above the bids, the best prices meeting in the middle.

#include "modulelibs/windows/FeedWindow.h"
#include "platform/modules/OrderBook.h"
#include "styles/engine/StyleOffers.h"

class OffersWindow : public FeedWindow
{
    Q_OBJECT

public:
    static constexpr StyleType kStyleType = StyleOffers::Type;

    OffersWindow(ConsumerBase& consumer, const std::shared_ptr<StyleBase>& style, QWidget* parent);

    bool IsStacked() const { return m_stacked; }
    void ToggleView() { m_stacked = !m_stacked; }
    const OrderBook& Book() const { return m_book; }

protected:
    void Absorb(FeedLink::Batch&& batch) override;
    void ForgetInstrumentData() override { m_book = OrderBook(); }
    QStringList Header() const override;
    QString KindName() const override { return QStringLiteral("Oferty"); }
    int RowCount() const override;
    QStringList Row(int index) const override;
    void SaveOwnState(Settings& node) const override;
    void LoadOwnState(const Settings& node) override;

private:
    OrderBook m_book;
    bool m_stacked = false;
};
