#pragma once
// One order of an instrument's order book, as a provider hands it to an orders sheet. Side 0 is
// the supply (sell orders), side 1 the demand (buy orders). The order id names the order; the
// order key gives its time priority at its price. An order without a limit price carries one of
// the two special price codes.

#include <string>

class DataSheetItemBase
{
public:
    static constexpr int kSupplySide = 0;
    static constexpr int kDemandSide = 1;
    static constexpr double kMarketOrderPrice = -20.0;
    static constexpr double kMarketOnOpenPrice = -100.0;

    DataSheetItemBase() = default;
    DataSheetItemBase(int side, double orderPrice, double sheetPrice, double volume, bool peg, std::string orderId,
                      std::string orderKey)
        : m_side(side)
        , m_orderPrice(orderPrice)
        , m_sheetPrice(sheetPrice)
        , m_volume(volume)
        , m_peg(peg)
        , m_orderId(std::move(orderId))
        , m_orderKey(std::move(orderKey))
    {
    }

    int GetSide() const { return m_side; }
    // The order's own limit price.
    double GetOrderPrice() const { return m_orderPrice; }
    // The price at which the order stands in the sheet.
    double GetSheetPrice() const { return m_sheetPrice; }
    double GetVolume() const { return m_volume; }
    bool IsPeg() const { return m_peg; }
    const std::string& GetOrderId() const { return m_orderId; }
    const std::string& GetOrderKey() const { return m_orderKey; }

    friend bool operator==(const DataSheetItemBase& a, const DataSheetItemBase& b) = default;

private:
    int m_side = kSupplySide;
    double m_orderPrice = 0.0;
    double m_sheetPrice = 0.0;
    double m_volume = 0.0;
    bool m_peg = false;
    std::string m_orderId;
    std::string m_orderKey;
};
