#include "cloud/engine/CloudAlertData.h"
#include "cloud/engine/CloudAlertEventData.h"
#include "cloud/engine/CloudAlertEventListRow.h"
#include "cloud/engine/CloudAlertsListRow.h"
#include "core/engine/XMLDocument.h"
#include "core/engine/XMLElement.h"
#include "platform/modules/AlertEventGenerate.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace
{
std::optional<CloudAlertEventData> Read(const QString& eventXml)
{
    XMLDocument document;
    CloudAlertEventData event;
    if (!event.ReadFromXml(*document.LoadXml(eventXml)))
        return std::nullopt;
    return event;
}

// Days since 1899-12-30 of a UTC moment.
double DayCount(const QDateTime& utc)
{
    const QDateTime origin(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
    return static_cast<double>(origin.secsTo(utc)) / 86400.0;
}
} // namespace

TEST(CloudAlertEventData, ReadsShownKindsAndSkipsOthers)
{
    const auto event = Read(QStringLiteral("<alertevent><id_event>7</id_event><id_alert>12</id_alert><side>66</side>"
                                           "<instrument_price>101.25</instrument_price>"
                                           "<source_time>4102444800</source_time></alertevent>"));
    ASSERT_TRUE(event);
    EXPECT_EQ(event->eventId, 7);
    EXPECT_EQ(event->alertId, 12);
    EXPECT_EQ(event->side, 0);
    EXPECT_DOUBLE_EQ(event->price, 101.25);
    // 2100-01-01: past the 32-bit limit.
    EXPECT_EQ(event->time, 4102444800LL);
    EXPECT_FALSE(event->isNew);

    EXPECT_FALSE(Read(QStringLiteral("<alertevent><type>2</type><id_event>7</id_event></alertevent>")));
    EXPECT_TRUE(Read(QStringLiteral("<alertevent><type>1</type></alertevent>")));
    EXPECT_EQ(Read(QStringLiteral("<alertevent><side>B</side></alertevent>"))->side, -1);
    EXPECT_EQ(Read(QStringLiteral("<alertevent><side>83</side></alertevent>"))->side, 1);
    EXPECT_EQ(Read(QStringLiteral("<alertevent><side>78</side></alertevent>"))->side, 2);
}

TEST(CloudAlertEventData, PushedEventKeepsItsUtcMoment)
{
    const QDateTime utc(QDate(2024, 3, 31), QTime(1, 30, 15), Qt::UTC);
    AlertEventGenerate pushed;
    pushed.eventId = 3;
    pushed.alertId = 9;
    pushed.sideLetter = 'B';
    pushed.time = DayCount(utc);
    pushed.price = 12.5F;
    const auto event = CloudAlertEventData::FromGeneratedEvent(pushed);
    EXPECT_EQ(event.time, utc.toSecsSinceEpoch());
    EXPECT_EQ(event.side, 0);
    EXPECT_EQ(event.alertId, 9);
    EXPECT_DOUBLE_EQ(event.price, 12.5);

    pushed.sideLetter = 'S';
    pushed.time = 1e12;
    const auto broken = CloudAlertEventData::FromGeneratedEvent(pushed);
    EXPECT_EQ(broken.time, 0);
    EXPECT_EQ(broken.side, 1);
}

TEST(CloudAlertEventListRow, TimeColumnComparesTheWholeDate)
{
    const QDateTime now(QDate(2024, 5, 20), QTime(15, 0, 0));
    const auto at = [](QDate date, QTime time) { return QDateTime(date, time).toSecsSinceEpoch(); };
    EXPECT_EQ(CloudAlertEventListRow::FormatTime(at(QDate(2024, 5, 20), QTime(9, 5, 7)), now), "09:05:07");
    EXPECT_EQ(CloudAlertEventListRow::FormatTime(at(QDate(2024, 4, 20), QTime(9, 5, 7)), now), "2024-04-20");
    EXPECT_EQ(CloudAlertEventListRow::FormatTime(at(QDate(2024, 5, 19), QTime(23, 0, 0)), now), "2024-05-19");
}

TEST(CloudAlertEventListRow, ColumnsSidesAndHighlight)
{
    CloudAlertEventListRow row(12, 101.5, QStringLiteral("Alert KGHM"), QStringLiteral("KGHM"), 0, 2, 0);
    EXPECT_EQ(row.GetName(), "Alert KGHM");
    EXPECT_EQ(row.GetColumnText(1), "KGHM");
    EXPECT_EQ(row.GetColumnText(2), "101.50");
    EXPECT_EQ(row.GetColumnText(4), "");
    EXPECT_EQ(row.GetColumnAlignment(2), 2);
    EXPECT_EQ(row.GetColumnAlignment(3), 2);
    EXPECT_EQ(row.GetColumnAlignment(1), 0);
    EXPECT_TRUE(row.IsCloudRow());
    EXPECT_EQ(row.GetAlertId(), 12U);
    EXPECT_EQ(row.GetAlertType(), 1);
    EXPECT_EQ(CloudAlertEventListRow(1, 0, {}, {}, 0, 0, 1).GetAlertType(), 0);
    EXPECT_EQ(CloudAlertEventListRow(1, 0, {}, {}, 0, 0, -1).GetAlertType(), 2);

    // The highlight runs from the first question, not from the row's making.
    const auto first = std::chrono::steady_clock::time_point(std::chrono::hours(1));
    EXPECT_FALSE(row.IsHighlightOver(first));
    EXPECT_FALSE(row.IsHighlightOver(first + std::chrono::milliseconds(5000)));
    EXPECT_TRUE(row.IsHighlightOver(first + std::chrono::milliseconds(5001)));
}

TEST(CloudAlertsListRow, InactiveForInvalidPendingOrUnknownInstrument)
{
    CloudAlertData alert;
    alert.id = 5;
    alert.name = QStringLiteral("Alert");
    alert.instrument = QStringLiteral("KGHM");
    alert.instrumentFound = true;
    const CloudAlertsListRow row(alert);
    EXPECT_TRUE(row.IsAlertActive());
    EXPECT_EQ(row.GetColumnText(0), "Alert");
    EXPECT_EQ(row.GetColumnText(1), "KGHM");
    EXPECT_EQ(row.GetRowKind(), IAlertListRow::kCloudRow);
    EXPECT_EQ(row.GetAlertId(), 5U);

    CloudAlertData invalid = alert;
    invalid.status = -6;
    CloudAlertData pending = alert;
    pending.deletePending = true;
    CloudAlertData unknown = alert;
    unknown.instrumentFound = false;
    for (const auto* inactive : {&invalid, &pending, &unknown})
        EXPECT_FALSE(CloudAlertsListRow(*inactive).IsAlertActive());
}
