#include "orderssheet/engine/TableDataSetOrdersSheet.h"

#include "orderssheet/engine/OSChangeMarking.h"
#include "orderssheet/engine/OSDataGenerator.h"
#include "orderssheet/engine/OSSheetMode.h"
#include "orderssheet/engine/OrdersSheetAssetInstance.h"
#include "platform/base/Log.h"
#include "platform/modules/IAppMediator.h"
#include "platform/modules/PluginBase.h"

#include <utility>

namespace
{
constexpr const char* kFile = "TableDataSetOrdersSheet.cpp";
constexpr int kCurrentValueRow = -1;
constexpr int kOrderPriceColumn = 1;
constexpr int kPriceColumn = 2;
}

TableDataSetOrdersSheet::TableDataSetOrdersSheet(int side, OrdersSheetAssetInstance* instance)
    : m_output(std::make_shared<OrdersSheetOutputDataSet>(side))
    , m_side(side)
    , m_instance(instance)
    , m_priceLevels(side)
    , m_systemZoneId(QTimeZone::systemTimeZoneId())
    , m_systemZone(QTimeZone::systemTimeZone())
{
}

std::optional<SafeAutoLock> TableDataSetOrdersSheet::Lock(const char* function) const
{
    if (!m_instance)
        return std::nullopt;
    return std::optional<SafeAutoLock>(std::in_place, m_instance->GetLock(), function, kFile);
}

const MatrixDataBufor::RowDataBufor* TableDataSetOrdersSheet::MatrixRow(int row, int mode) const
{
    const MatrixDataBufor& matrix = m_output->Matrix(mode);
    // The demand table shows its matrix bottom-up.
    const int index = m_side == 0 ? row : static_cast<int>(matrix.RowCount()) - row - 1;
    return row < 0 ? nullptr : matrix.Row(index);
}

MatrixDataBufor::RowDataBufor* TableDataSetOrdersSheet::MatrixRow(int row, int mode)
{
    return const_cast<MatrixDataBufor::RowDataBufor*>(std::as_const(*this).MatrixRow(row, mode));
}

const MatrixDataBufor::CellDataBufor* TableDataSetOrdersSheet::Cell(int row, int column, int mode) const
{
    const MatrixDataBufor::RowDataBufor* matrixRow = MatrixRow(row, mode);
    if (!matrixRow || column < 0 || static_cast<std::size_t>(column) >= matrixRow->Cells().size())
        return nullptr;
    return &matrixRow->Cells()[static_cast<std::size_t>(column)];
}

int TableDataSetOrdersSheet::GetCellState(int row, int column, int mode) const
{
    const auto lock = Lock("TableDataSetOrdersSheet::GetCellState");
    if (row == kCurrentValueRow && m_output->currentValue)
        return m_output->currentValue->state;
    const MatrixDataBufor::CellDataBufor* cell = Cell(row, column, mode);
    return cell ? cell->state : MatrixDataBufor::eUnchanged;
}

double TableDataSetOrdersSheet::GetCellValue(int row, int column, const OSTableColumns& columns) const
{
    if (!m_instance)
        return MatrixDataBufor::kNoValue;
    const auto lock = Lock("TableDataSetOrdersSheet::GetCellValue");
    if (row == kCurrentValueRow && m_output->currentValue)
    {
        // The current value stands in the price column that the table shows.
        const double value = m_output->currentValue->value;
        bool here = false;
        if (OSSheetMode::IsOrders(columns.mode))
            here = columns.IsVisible(kOrderPriceColumn) ? column == kOrderPriceColumn : column == kPriceColumn;
        else
            here = column == kPriceColumn && columns.IsVisible(kPriceColumn);
        return here ? value : MatrixDataBufor::kNoValue;
    }
    const MatrixDataBufor::CellDataBufor* cell = Cell(row, column, columns.mode);
    return cell ? cell->value : MatrixDataBufor::kNoValue;
}

QString TableDataSetOrdersSheet::GetCellSpecialValue(int row, int column, int mode) const
{
    const auto lock = Lock("TableDataSetOrdersSheet::GetCellSpecialValue");
    const MatrixDataBufor::RowDataBufor* matrixRow = MatrixRow(row, mode);
    return matrixRow && column >= 0 ? matrixRow->Text(static_cast<std::size_t>(column)) : QString();
}

QString TableDataSetOrdersSheet::GetRowKey(int row, int mode) const
{
    const auto lock = Lock("TableDataSetOrdersSheet::GetRowKey");
    const MatrixDataBufor::RowDataBufor* matrixRow = MatrixRow(row, mode);
    return matrixRow ? matrixRow->rowKey : QString();
}

int TableDataSetOrdersSheet::GetRowKind(int row) const
{
    return row == kCurrentValueRow ? 2 : 1;
}

int TableDataSetOrdersSheet::GetRowIdxForRowKey(const QString& rowKey, int mode) const
{
    const auto lock = Lock("TableDataSetOrdersSheet::GetRowIdxForRowKey");
    return m_output->Matrix(mode).FindRow(rowKey);
}

std::uint64_t TableDataSetOrdersSheet::GetRowTimeLastUpdate(int row, int mode) const
{
    const auto lock = Lock("TableDataSetOrdersSheet::GetRowTimeLastUpdate");
    if (row == kCurrentValueRow && m_output->currentValue)
        return m_output->currentValue->timeChange;
    const MatrixDataBufor::RowDataBufor* matrixRow = MatrixRow(row, mode);
    return matrixRow ? matrixRow->timeLastChange : 0;
}

bool TableDataSetOrdersSheet::GetIfRowIsPEGOrder(int row, int mode) const
{
    if (!OSSheetMode::IsOrders(mode))
        return false;
    const auto lock = Lock("TableDataSetOrdersSheet::GetIfRowIsPEGOrder");
    const MatrixDataBufor::RowDataBufor* matrixRow = MatrixRow(row, mode);
    return matrixRow && matrixRow->peg;
}

bool TableDataSetOrdersSheet::HasRowAnyChangesValues(int row, int mode) const
{
    if (!m_instance)
        return false;
    const auto lock = Lock("TableDataSetOrdersSheet::HasRowAnyChangesValues");
    if (row == kCurrentValueRow && m_output->currentValue)
        return m_output->currentValue->state != MatrixDataBufor::eUnchanged;
    const MatrixDataBufor::RowDataBufor* matrixRow = MatrixRow(row, mode);
    if (!matrixRow)
        return false;
    for (const MatrixDataBufor::CellDataBufor& cell : matrixRow->Cells())
        if (cell.state != MatrixDataBufor::eUnchanged)
            return true;
    return false;
}

void TableDataSetOrdersSheet::ResetRowChanges(int row, int mode)
{
    const auto lock = Lock("TableDataSetOrdersSheet::ResetRowChanges");
    if (row == kCurrentValueRow && m_output->currentValue)
    {
        m_output->currentValue->state = MatrixDataBufor::eUnchanged;
        return;
    }
    if (MatrixDataBufor::RowDataBufor* matrixRow = MatrixRow(row, mode))
        for (MatrixDataBufor::CellDataBufor& cell : matrixRow->Cells())
            cell.state = MatrixDataBufor::eUnchanged;
}

int TableDataSetOrdersSheet::GetRowCount(int mode) const
{
    const auto lock = Lock("TableDataSetOrdersSheet::GetRowCount");
    return static_cast<int>(m_output->Matrix(mode).RowCount());
}

std::optional<AdditonalRowData> TableDataSetOrdersSheet::GetCurrentValueRecord() const
{
    const auto lock = Lock("TableDataSetOrdersSheet::GetCurrentValueRecord");
    if (!m_output->currentValue)
        return std::nullopt;
    return *m_output->currentValue;
}

OSSummaryValues TableDataSetOrdersSheet::GetSummaryValues(int priceLevelId) const
{
    const auto lock = Lock("TableDataSetOrdersSheet::GetSummaryValues");
    OSSummaryValues summary;
    summary.totalValue = m_output->totalValue;
    summary.orderCount = m_output->orderCount;
    if (const auto level = m_output->priceLevels.Find(priceLevelId))
    {
        summary.specialCount = level->GetSpecialCount();
        summary.count = level->GetCount();
        summary.value = level->GetValue();
        summary.limit = level->GetLimit();
    }
    return summary;
}

QSet<QString> TableDataSetOrdersSheet::GetRowKeys() const
{
    const auto lock = Lock("TableDataSetOrdersSheet::GetRowKeys");
    QSet<QString> keys;
    for (const MatrixDataBufor* matrix : {&m_output->ordersMatrix, &m_output->offersMatrix})
        for (const MatrixDataBufor::RowDataBufor& row : matrix->Rows())
            keys.insert(row.rowKey);
    return keys;
}

void TableDataSetOrdersSheet::AddPriceLevel(int id, std::shared_ptr<const PriceLevelElement> element)
{
    const auto lock = Lock("TableDataSetOrdersSheet::AddPriceLevel");
    m_priceLevels.Add(id, std::move(element));
}

bool TableDataSetOrdersSheet::RemovePriceLevel(int id)
{
    const auto lock = Lock("TableDataSetOrdersSheet::RemovePriceLevel");
    return m_priceLevels.Remove(id);
}

void TableDataSetOrdersSheet::SetBasicDataArray(std::vector<ItemBasicData>& records)
{
    const int otherSide = m_side == 0 ? 1 : 0;
    m_records.clear();
    for (ItemBasicData& record : records)
    {
        if (record.side == m_side)
            m_records.push_back(std::move(record));
        else if (record.side != otherSide)
            m_records.push_back(record);
    }
}

void TableDataSetOrdersSheet::WriteInvalidState() const
{
    const QString module = QStringLiteral("Quorvanta 4");
    const QString where = QStringLiteral("TableDataSetOrdersSheet::ActualizeData");
    const QString text = QStringLiteral("Invalid object state!");
    constexpr int kLine = 789;
    if (IAppMediator* mediator = PluginBase::GetAppMediator())
        mediator->WriteError(module, where, kLine, text);
    else
        Log::WriteError(text, module, where, kLine);
}

const QTimeZone& TableDataSetOrdersSheet::TextZone()
{
    if (m_timeZone.isValid())
        return m_timeZone;
    QByteArray id = QTimeZone::systemTimeZoneId();
    if (id != m_systemZoneId)
    {
        m_systemZone = QTimeZone::systemTimeZone();
        m_systemZoneId = std::move(id);
    }
    return m_systemZone;
}

bool TableDataSetOrdersSheet::ActualizeData(const OSAdditionalData& additional)
{
    const std::shared_ptr<const Asset> asset = m_instance ? m_instance->GetAsset() : nullptr;
    if (!asset || !asset->IsProviderSet())
    {
        WriteInvalidState();
        return false;
    }
    // The output before the current one is no reader's any more: the new one is made over it.
    std::shared_ptr<OrdersSheetOutputDataSet> fresh = std::move(m_spareOutput);
    if (!fresh)
        fresh = std::make_shared<OrdersSheetOutputDataSet>(m_side);
    {
        const auto lock = Lock("TableDataSetOrdersSheet::ActualizeData");
        fresh->priceLevels = m_priceLevels;
    }

    const QTimeZone& zone = TextZone();
    OSDataGenerator orders(OSSheetMode::kOrders, m_side, m_records, additional, fresh->ordersMatrix, zone);
    OSDataGenerator offers(OSSheetMode::kOffers, m_side, m_records, additional, fresh->offersMatrix, zone);
    if (!m_records.empty())
        OSDataGenerator::SortRecords(m_records, m_side);
    orders.GenerateForOrdersMode();
    orders.ComputeSummary(fresh->priceLevels);
    orders.ComputeCurrentValue();
    fresh->orderCount = orders.GetOrderCount();
    fresh->totalValue = orders.GetTotalValue();
    if (fresh->currentValue)
        *fresh->currentValue = *orders.GetCurrentValueRecord();
    // The offers mode runs on the orders that the orders mode left sorted.
    offers.GenerateForOffersMode();
    offers.ComputeCurrentValue();

    const std::uint64_t now = m_tickSource();
    {
        // The marks of the current output change on the main thread too (ResetRowChanges), so
        // they are read under the lock, and the new output replaces it in the same hold.
        const auto lock = Lock("TableDataSetOrdersSheet::ActualizeData");
        if (m_changeMarking.load())
        {
            OSChangeMarking::MarkMatrix(fresh->ordersMatrix, m_output->ordersMatrix, OSSheetMode::kOrders, now);
            OSChangeMarking::MarkMatrix(fresh->offersMatrix, m_output->offersMatrix, OSSheetMode::kOffers, now);
        }
        if (fresh->currentValue && m_output->currentValue)
            OSChangeMarking::UpdateCellChangeState(*fresh->currentValue, *m_output->currentValue, now);
        m_spareOutput = std::exchange(m_output, std::move(fresh));
    }
    return true;
}
