#include "cloud/engine/CloudAlertData.h"

#include "cloud/engine/CloudXml.h"
#include "core/engine/XMLDocument.h"
#include "core/engine/XMLElement.h"
#include "platform/modules/Asset.h"
#include "platform/modules/ProviderBase.h"
#include "platform/modules/SeriesIds.h"

#include <QUuid>

#include <array>
#include <optional>

namespace
{
constexpr std::array<std::uint8_t, 5> kOptionBits = {CloudAlertData::kPushBit, CloudAlertData::kMailBit,
                                                     CloudAlertData::kSmsBit, CloudAlertData::kSoundBit,
                                                     CloudAlertData::kWindowBit};
constexpr int kNotFoundPrecision = 2;

// The wire numbers 0 to 5 swap 0 with 1 and 2 with 3, so both directions are the same swap.
std::optional<std::int32_t> SwappedOperator(std::int32_t code)
{
    switch (code)
    {
    case 0:
        return 1;
    case 1:
        return 0;
    case 2:
        return 3;
    case 3:
        return 2;
    case 4:
    case 5:
        return code;
    default:
        return std::nullopt;
    }
}

std::int32_t ItemTypeOnWire(std::int32_t itemType)
{
    return itemType >= 1 && itemType <= 9 ? itemType : 0;
}

void AppendText(XMLDocument& document, XMLElement& parent, const QString& tag, const QString& text)
{
    const std::shared_ptr<XMLElement> child = document.CreateElement(tag);
    child->SetText(text);
    parent.AppendChild(child);
}

void AppendSide(XMLDocument& document, XMLElement& parent, const QString& prefix, std::int32_t itemType,
                std::int32_t internalOperator, double value)
{
    AppendText(document, parent, prefix + QStringLiteral("item_type"), QString::number(ItemTypeOnWire(itemType)));
    AppendText(document, parent, prefix + QStringLiteral("operator"),
               QString::number(CloudAlertData::OperatorToWire(internalOperator)));
    AppendText(document, parent, prefix + QStringLiteral("value"), QString::number(value, 'f', 6));
}

void ReadSide(const XMLElement& element, const QString& prefix, std::int32_t& itemType, std::int32_t& internalOperator,
              double& value)
{
    if (const std::optional<std::int32_t> type = CloudXml::Number(element, prefix + QStringLiteral("item_type")))
        itemType = ItemTypeOnWire(*type);
    if (const std::optional<std::int32_t> wire = CloudXml::Number(element, prefix + QStringLiteral("operator")))
        internalOperator = CloudAlertData::OperatorFromWire(*wire);
    if (const std::optional<double> number = CloudXml::Decimal(element, prefix + QStringLiteral("value")))
        value = *number;
}

QString SideCharacterCode(const CloudAlertData& record)
{
    if (record.buyDefined && record.sellDefined)
        return QStringLiteral("78");
    if (record.sellDefined)
        return QStringLiteral("83");
    return QStringLiteral("66");
}
}

CloudAlertData::CloudAlertData() : uniqueId(NewUniqueId())
{
}

void CloudAlertData::SetOption(int option, bool on)
{
    if (option == kOptionOnce)
    {
        once = on;
        return;
    }
    if (option < 0 || option >= static_cast<int>(kOptionBits.size()))
        return;
    if (on)
        notifications = static_cast<std::uint8_t>(notifications | kOptionBits[option]);
    else
        notifications = static_cast<std::uint8_t>(notifications & ~kOptionBits[option]);
}

void CloudAlertData::ReadFromXml(const XMLElement& element)
{
    instrumentFound = false;
    if (const auto value = CloudXml::Number(element, QStringLiteral("status")))
        status = *value;
    if (const auto value = CloudXml::Number(element, QStringLiteral("status2")))
        status2 = *value;
    if (const auto value = CloudXml::Number(element, QStringLiteral("id")))
        id = *value;
    if (const auto value = CloudXml::Text(element, QStringLiteral("uniqueid")))
        uniqueId = *value;
    if (const auto value = CloudXml::Text(element, QStringLiteral("name")))
        name = *value;
    if (const auto value = CloudXml::Text(element, QStringLiteral("isin")))
        isin = *value;
    if (const auto value = CloudXml::Text(element, QStringLiteral("instrument")))
        instrument = *value;

    const std::optional<std::int32_t> sideCode = CloudXml::Number(element, QStringLiteral("start_from_side"));
    if (!sideCode)
        return;
    const int side = SideFromCharacterCode(*sideCode);
    buyDefined = side == kSideBuy || side == kSideBoth;
    if (buyDefined)
        ReadSide(element, QStringLiteral("buy_"), buyItemType, buyOperator, buyValue);
    sellDefined = side == kSideSell || side == kSideBoth;
    if (sellDefined)
        ReadSide(element, QStringLiteral("sell_"), sellItemType, sellOperator, sellValue);
    if (const auto value = CloudXml::Number(element, QStringLiteral("notifications")))
        notifications = static_cast<std::uint8_t>(*value);
    if (const auto value = CloudXml::Number(element, QStringLiteral("once")))
        once = *value == 1;
}

QString CloudAlertData::WriteRequestXml(const CloudAlertData& record, bool forEdit)
{
    XMLDocument document;
    const std::shared_ptr<XMLElement> request = document.CreateElement(QStringLiteral("request"));
    document.AppendChild(request);
    const std::shared_ptr<XMLElement> alert = document.CreateElement(QStringLiteral("alertdefinition"));
    request->AppendChild(alert);

    AppendText(document, *alert, QStringLiteral("once"), record.once ? QStringLiteral("1") : QStringLiteral("0"));
    if (!forEdit)
        AppendText(document, *alert, QStringLiteral("uniqueid"), record.uniqueId);
    AppendText(document, *alert, QStringLiteral("isin"), record.isin);
    AppendText(document, *alert, QStringLiteral("name"), record.name);
    AppendText(document, *alert, QStringLiteral("start_from_side"), SideCharacterCode(record));
    AppendSide(document, *alert, QStringLiteral("buy_"), record.buyItemType, record.buyOperator, record.buyValue);
    AppendSide(document, *alert, QStringLiteral("sell_"), record.sellItemType, record.sellOperator, record.sellValue);
    AppendText(document, *alert, QStringLiteral("notifications"), QString::number(record.notifications));
    return document.GetXml();
}

void CloudAlertData::ResolveInstrument(CloudAlertData& record, const std::vector<Asset>& instruments,
                                       const ProviderBase& provider)
{
    for (const Asset& asset : instruments)
    {
        const bool matches =
            asset.GetIsin() == record.isin || (asset.GetIsin().isEmpty() && asset.GetShortName() == record.isin);
        if (!matches)
            continue;
        record.instrument = asset.GetLongName();
        record.instrumentFound = true;
        for (const DSProp& series : provider.GetAssetSeries(asset))
            if (series.GetSeriesID() == SeriesIds::kPrice)
            {
                record.precision = series.GetPrecision();
                break;
            }
        return;
    }
    if (!record.instrumentFound)
        record.precision = kNotFoundPrecision;
}

QString CloudAlertData::NewUniqueId()
{
    return QUuid::createUuid().toString(QUuid::Id128).toUpper();
}

std::int32_t CloudAlertData::OperatorToWire(std::int32_t internalOperator)
{
    if (internalOperator == -1)
        return 0;
    return SwappedOperator(internalOperator).value_or(6);
}

std::int32_t CloudAlertData::OperatorFromWire(std::int32_t wireOperator)
{
    return SwappedOperator(wireOperator).value_or(-1);
}

int CloudAlertData::SideFromCharacterCode(std::int32_t code)
{
    switch (static_cast<char>(code & 0xFF))
    {
    case 'B':
        return kSideBuy;
    case 'S':
        return kSideSell;
    case 'N':
        return kSideBoth;
    default:
        return -1;
    }
}
