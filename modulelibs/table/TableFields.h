#pragma once
// The kinds of field a quote table can show as a column: what each is called, which series of
// the feed it reads and how its value is written. The order is the order a new table shows.

#include "platform/modules/DSProp.h"
#include "platform/modules/TableFieldType.h"

#include <QString>

#include <vector>

class Asset;
class CurrentState;

namespace TableFields
{
enum FieldId
{
    kTicker = 1,
    kName,
    kPrice,
    kChange,
    kChangePercent,
    kVolume,
    kTotalVolume,
    kTurnover,
    kBidVolume,
    kBid,
    kAsk,
    kAskVolume,
    kOpen,
    kHigh,
    kLow,
    kReference,
    kTransactions,
    kTime,
    kComment,
};

struct FieldInfo
{
    int id;
    QString caption;
    // -1 for a field that is no series (ticker, name, comment).
    ESeriesID series;
    // Decimal places of the value at the default precision; -1 for a text.
    int decimals;
    // Whether the price precision of the table applies.
    bool isPrice;
};

const std::vector<FieldInfo>& All();
// Null for an unknown id.
const FieldInfo* Find(int fieldId);
TableFieldType TypeOf(int fieldId);
// The fields a new table shows, in order.
std::vector<int> DefaultColumns();
// The text of the field for the instrument: precision -1 keeps the field's own decimals.
QString Text(int fieldId, const Asset& asset, const CurrentState& state, int pricePrecision);
// The numeric value the table sorts by; the text fields sort by Text.
bool IsNumeric(int fieldId);
double Number(int fieldId, const CurrentState& state);
}
