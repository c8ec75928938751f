#include "cloud/engine/CloudAlertEventData.h"

#include "cloud/engine/CloudAlertData.h"
#include "cloud/engine/CloudXml.h"
#include "platform/base/Log.h"
#include "platform/modules/AlertEventGenerate.h"
#include "platform/modules/NDateTime.h"

#include <QTimeZone>

bool CloudAlertEventData::ReadFromXml(const XMLElement& element)
{
    if (const auto type = CloudXml::Number(element, QStringLiteral("type")); type && *type != 1)
        return false;
    if (const auto value = CloudXml::Number(element, QStringLiteral("id_event")))
        eventId = *value;
    if (const auto value = CloudXml::Number(element, QStringLiteral("id_alert")))
        alertId = *value;
    if (const auto value = CloudXml::Number(element, QStringLiteral("side")))
        side = CloudAlertData::SideFromCharacterCode(*value);
    if (const auto value = CloudXml::Decimal(element, QStringLiteral("instrument_price")))
        price = *value;
    // Read wide so that moments after 2038 keep their value.
    if (const auto text = CloudXml::Text(element, QStringLiteral("source_time")))
    {
        bool ok = false;
        const qint64 seconds = text->trimmed().toLongLong(&ok);
        time = ok ? seconds : 0;
    }
    return true;
}

CloudAlertEventData CloudAlertEventData::FromGeneratedEvent(const AlertEventGenerate& event)
{
    CloudAlertEventData data;
    data.eventId = event.eventId;
    data.alertId = event.alertId;
    data.side = event.sideLetter == 'B' ? 0 : 1;
    data.price = static_cast<double>(event.price);
    // The day count holds UTC calendar parts; read them as such.
    const QDateTime parts = NDateTime::FromDayCount(event.time).ToQDateTime();
    if (!parts.isValid())
    {
        Log::WriteWarning(
            QStringLiteral("Zdarzenie alertu w Chmurze %1 ma niepoprawny czas %2.").arg(event.eventId).arg(event.time),
            QStringLiteral("CloudAlert"), QStringLiteral("CloudAlertEventData::FromGeneratedEvent"), __LINE__);
        return data;
    }
    const QTime clock = parts.time();
    data.time = QDateTime(parts.date(), QTime(clock.hour(), clock.minute(), clock.second()), Qt::UTC)
                    .toSecsSinceEpoch();
    return data;
}
