#pragma once
// The data behind one side of an orders sheet: the side's orders, and the output that each
// refresh of the processing thread makes of them (both row matrices, the totals, the price
// levels and, on the supply side, the current-value row), with the queries of the sheet's
// tables. Side 0 is the supply, side 1 the demand, whose table shows its matrices bottom-up;
// table row -1 is the current-value row. Every query's mode argument chooses the matrix: 1
// the orders matrix, anything else the offers matrix.
//
// Threads: the processing thread sets the orders and refreshes; the tables query on the main
// thread. The instance's lock "CSOrderSheetUpdater" guards every read and the exchange of the
// output, so a reader sees the old output or the new one whole. A data set without an instance
// (a window's before it has an instrument) never refreshes and answers with defaults.

#include "orderssheet/engine/AdditonalRowData.h"
#include "orderssheet/engine/ItemBasicData.h"
#include "orderssheet/engine/OSAdditionalData.h"
#include "orderssheet/engine/OSSummaryValues.h"
#include "orderssheet/engine/OSTableColumns.h"
#include "orderssheet/engine/OSTickClock.h"
#include "orderssheet/engine/OrdersSheetOutputDataSet.h"
#include "orderssheet/engine/PriceLevelSet.h"
#include "platform/base/SafeAutoLock.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QTimeZone>

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class OrdersSheetAssetInstance;

class TableDataSetOrdersSheet
{
public:
    // instance: the sheet instance whose lock and instrument the data set uses; may be null.
    TableDataSetOrdersSheet(int side, OrdersSheetAssetInstance* instance);
    TableDataSetOrdersSheet(const TableDataSetOrdersSheet&) = delete;
    TableDataSetOrdersSheet& operator=(const TableDataSetOrdersSheet&) = delete;

    int GetSide() const { return m_side; }
    // Null for a window's own data set, which shows no instrument.
    OrdersSheetAssetInstance* GetInstance() const { return m_instance; }

    // Row -1: the current-value row's state (3 without one); 3 outside the matrix.
    int GetCellState(int row, int column, int mode) const;
    // -1 without an instance, outside the matrix and where no value applies.
    double GetCellValue(int row, int column, const OSTableColumns& columns) const;
    // The cell's text (the date or time of an order); empty outside the matrix.
    QString GetCellSpecialValue(int row, int column, int mode) const;
    // Empty for row -1 and outside the matrix.
    QString GetRowKey(int row, int mode) const;
    // 2 for the current-value row, 1 for any other.
    int GetRowKind(int row) const;
    // The matrix index of the row with the key, not the table row; -1 when there is none.
    int GetRowIdxForRowKey(const QString& rowKey, int mode) const;
    // Tick time of the row's last change (OSTickClock); 0 for none.
    std::uint64_t GetRowTimeLastUpdate(int row, int mode) const;
    bool GetIfRowIsPEGOrder(int row, int mode) const;
    bool HasRowAnyChangesValues(int row, int mode) const;
    // Marks every cell of the row unchanged (row -1: the current-value row; its time stays).
    void ResetRowChanges(int row, int mode);
    int GetRowCount(int mode) const;
    // A copy of the current-value row; empty on the demand side.
    std::optional<AdditonalRowData> GetCurrentValueRecord() const;
    OSSummaryValues GetSummaryValues(int priceLevelId) const;
    // The row keys of both matrices of the current output.
    QSet<QString> GetRowKeys() const;

    // A price level that every refresh from now on computes; a null element raises
    // InvalidArgException. A level of the same id is replaced.
    void AddPriceLevel(int id, std::shared_ptr<const PriceLevelElement> element);
    bool RemovePriceLevel(int id);

    // Processing thread: the receiver's orders, of which the data set keeps those not of the
    // other side. Its own side's are moved out of the vector, which then serves the other side.
    void SetBasicDataArray(std::vector<ItemBasicData>& records);
    // Processing thread: the orders of the data set's own side (as the receiver gives them) in
    // place of those it held, which the vector takes, so their texts keep their memory.
    void ExchangeBasicDataArray(std::vector<ItemBasicData>& records) { m_records.swap(records); }
    // Processing thread: makes a new output and makes it current; false, the output kept and
    // the error logged, when the instance has no instrument with a provider.
    bool ActualizeData(const OSAdditionalData& additional);

    // Whether a refresh marks the changes against the previous output.
    bool IsChangeMarking() const { return m_changeMarking.load(); }
    void SetChangeMarking(bool marking) { m_changeMarking.store(marking); }
    // Set before the first refresh.
    void SetTickSource(OSTickClock::Source source) { m_tickSource = std::move(source); }
    // The zone of the date and time texts; the system's while it is invalid.
    void SetTimeZone(const QTimeZone& zone) { m_timeZone = zone; }

private:
    // The instance's lock, or none without an instance.
    std::optional<SafeAutoLock> Lock(const char* function) const;
    // The matrix row of a table row; null outside the matrix.
    const MatrixDataBufor::RowDataBufor* MatrixRow(int row, int mode) const;
    MatrixDataBufor::RowDataBufor* MatrixRow(int row, int mode);
    const MatrixDataBufor::CellDataBufor* Cell(int row, int column, int mode) const;
    void WriteInvalidState() const;
    // Processing thread: the zone of this refresh's texts.
    const QTimeZone& TextZone();

    std::shared_ptr<OrdersSheetOutputDataSet> m_output;
    // Processing thread: the output that m_output replaced, which the next refresh makes its
    // new output over, so that rows and texts keep their memory.
    std::shared_ptr<OrdersSheetOutputDataSet> m_spareOutput;
    const int m_side;
    OrdersSheetAssetInstance* const m_instance;
    std::vector<ItemBasicData> m_records;
    std::atomic<bool> m_changeMarking = false;
    // The levels the windows asked for; every refresh computes a copy. Under the instance's lock.
    PriceLevelSet m_priceLevels;
    OSTickClock::Source m_tickSource = OSTickClock::Now;
    QTimeZone m_timeZone;
    // The system's zone, made with the data set and again when the system's zone id changes:
    // making a zone costs more than reading the id, and its hashing would leave the vector
    // registers in the state that slows the rest of the refresh (see OrdersDataProcessThread).
    QByteArray m_systemZoneId;
    QTimeZone m_systemZone;
};
