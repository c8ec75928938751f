#include "orderssheet/engine/OSAlertReporter.h"

#include "orderssheet/engine/OSSheetMode.h"
#include "orderssheet/engine/OrdersSheetAssetInstance.h"
#include "orderssheet/engine/TableDataSetOrdersSheet.h"
#include "platform/base/QuorvantaException.h"

#include <cstdint>

namespace
{
constexpr std::uint32_t kOffersIdOffset = 10;
constexpr std::uint32_t kDemandIdOffset = 18;

// The argument name of a column of the mode; empty for a column that is no argument.
QString ArgumentName(int mode, int column)
{
    if (OSSheetMode::IsOrders(mode))
    {
        switch (column)
        {
        case 1:
            return QStringLiteral("Cena zlecenia");
        case 2:
            return QStringLiteral("Cena arkusza");
        case 3:
            return QStringLiteral("Wolumen (zlecenia)");
        case 4:
            return QStringLiteral("Wartość (zlecenia)");
        default:
            return QString();
        }
    }
    switch (column)
    {
    case 2:
        return QStringLiteral("Cena oferty");
    case 3:
        return QStringLiteral("Wolumen (oferty)");
    case 4:
        return QStringLiteral("Wartość (oferty)");
    default:
        return QString();
    }
}
}

OSAlertReporter::OSAlertReporter(const TableDataSetOrdersSheet* dataSet)
    : m_dataSet(dataSet)
{
    if (!m_dataSet)
        throw QuorvantaException(QStringLiteral("OSAlertReporter::OSAlertReporter"), QStringLiteral("Invalid argument!"),
                                 QStringLiteral("Quorvanta 4"), 32);
}

bool OSAlertReporter::SetupOrdersModeArg(DDBaseDataObject& object, int column) const
{
    return Setup(object, OSSheetMode::kOrders, column);
}

bool OSAlertReporter::SetupOffersModeArg(DDBaseDataObject& object, int column) const
{
    return Setup(object, OSSheetMode::kOffers, column);
}

bool OSAlertReporter::Setup(DDBaseDataObject& object, int mode, int column) const
{
    const QString name = ArgumentName(mode, column);
    // Both modes ask whether the sheet shows any order.
    if (name.isEmpty() || m_dataSet->GetRowCount(OSSheetMode::kOrders) < 1)
        return false;
    std::uint32_t id = static_cast<std::uint32_t>(column);
    if (!OSSheetMode::IsOrders(mode))
        id += kOffersIdOffset;
    if (m_dataSet->GetSide() != 0)
        id += kDemandIdOffset;
    const OrdersSheetAssetInstance* instance = m_dataSet->GetInstance();
    const QString instrument = instance && instance->GetAsset() ? instance->GetAsset()->GetShortName() : QString();
    // The name carries the instrument so that an alert on it says which one fired.
    const QString shown = instrument.isEmpty() ? name : instrument + QLatin1Char(' ') + name;
    object.SetupAlertArg(AlertExprArgDesc(kModuleName, id, shown, QStringLiteral("opis - ") + name, instrument));
    return true;
}
