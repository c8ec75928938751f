#include "modulelibs/table/TableFields.h"

#include "platform/modules/Asset.h"
#include "platform/modules/CurrentState.h"
#include "platform/modules/SeriesIds.h"

#include <algorithm>

namespace TableFields
{
const std::vector<FieldInfo>& All()
{
    using namespace SeriesIds;
    static const std::vector<FieldInfo> fields = {
        {kTicker, QStringLiteral("Ticker"), -1, -1, false},
        {kName, QStringLiteral("Nazwa"), -1, -1, false},
        {kPrice, QStringLiteral("Kurs"), SeriesIds::kPrice, 2, true},
        {kChange, QStringLiteral("Zmiana"), SeriesIds::kChange, 2, true},
        {kChangePercent, QStringLiteral("Zmiana %"), SeriesIds::kChangePercent, 2, false},
        {kVolume, QStringLiteral("Wolumen"), SeriesIds::kVolume, 0, false},
        {kTotalVolume, QStringLiteral("Wolumen razem"), SeriesIds::kTotalVolume, 0, false},
        {kTurnover, QStringLiteral("Obrót"), SeriesIds::kTurnover, 0, false},
        {kBidVolume, QStringLiteral("Wol. kupna"), SeriesIds::kBidVolume1, 0, false},
        {kBid, QStringLiteral("Kupno"), SeriesIds::kBidPrice1, 2, true},
        {kAsk, QStringLiteral("Sprzedaż"), SeriesIds::kAskPrice1, 2, true},
        {kAskVolume, QStringLiteral("Wol. sprzedaży"), SeriesIds::kAskVolume1, 0, false},
        {kOpen, QStringLiteral("Otwarcie"), SeriesIds::kOpen, 2, true},
        {kHigh, QStringLiteral("Maks."), SeriesIds::kHigh, 2, true},
        {kLow, QStringLiteral("Min."), SeriesIds::kLow, 2, true},
        {kReference, QStringLiteral("Odniesienie"), SeriesIds::kReference, 2, true},
        {kTransactions, QStringLiteral("Transakcje"), SeriesIds::kTransactions, 0, false},
        {kTime, QStringLiteral("Czas"), SeriesIds::kTime, -1, false},
        {kComment, QStringLiteral("Notatka"), -1, -1, false},
    };
    return fields;
}

const FieldInfo* Find(int fieldId)
{
    const auto& fields = All();
    const auto found = std::find_if(fields.begin(), fields.end(), [fieldId](const FieldInfo& f) { return f.id == fieldId; });
    return found == fields.end() ? nullptr : &*found;
}

TableFieldType TypeOf(int fieldId)
{
    const FieldInfo* info = Find(fieldId);
    return {fieldId, info ? info->caption : QString()};
}

std::vector<int> DefaultColumns()
{
    return {kTicker, kName,      kPrice,     kChange, kChangePercent, kVolume,
            kTurnover, kBid,     kAsk,       kTime,   kComment};
}

bool IsNumeric(int fieldId)
{
    const FieldInfo* info = Find(fieldId);
    return info && info->series >= 0 && fieldId != kTime;
}

double Number(int fieldId, const CurrentState& state)
{
    const FieldInfo* info = Find(fieldId);
    return info && info->series >= 0 ? state.GetDouble(info->series) : 0.0;
}

QString Text(int fieldId, const Asset& asset, const CurrentState& state, int pricePrecision)
{
    const FieldInfo* info = Find(fieldId);
    if (!info)
        return {};
    switch (fieldId)
    {
    case kTicker:
        return asset.GetShortName();
    case kName:
        return asset.GetLongName();
    case kComment:
        return {};
    case kTime:
    {
        const QDateTime time = state.GetTime().ToQDateTime();
        return time.isValid() ? time.time().toString(QStringLiteral("HH:mm:ss")) : QString();
    }
    default:
        break;
    }
    const ValueCS* value = state.Find(info->series);
    if (!value || !value->HasValue())
        return QStringLiteral("-");
    const int decimals = info->isPrice && pricePrecision >= 0 ? pricePrecision : info->decimals;
    QString text = QString::number(state.GetDouble(info->series), 'f', decimals);
    if (fieldId == kChangePercent)
        text += QLatin1Char('%');
    return text;
}
}
