#include "cloud/engine/CloudAlertData.h"
#include "core/engine/XMLDocument.h"
#include "core/engine/XMLElement.h"
#include "platform/modules/Asset.h"
#include "platform/modules/DSProp.h"
#include "tests/support/FakeProvider.h"

#include <QLocale>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <clocale>
#include <map>

namespace
{
// The record as the server would send it back: the request element's alert element.
CloudAlertData RoundTrip(const CloudAlertData& record, bool forEdit = false)
{
    XMLDocument document;
    const auto root = document.LoadXml(CloudAlertData::WriteRequestXml(record, forEdit));
    CloudAlertData read;
    read.ReadFromXml(*root->GetElement(QStringLiteral("alertdefinition"), false));
    return read;
}

CloudAlertData Read(const QString& alertXml, CloudAlertData record = CloudAlertData())
{
    XMLDocument document;
    record.ReadFromXml(*document.LoadXml(alertXml));
    return record;
}

class SeriesProvider : public FakeProvider
{
public:
    SeriesProvider() : FakeProvider(QStringLiteral("Kelvora OnLine")) {}
    std::vector<DSProp> GetAssetSeries(const Asset& asset) const override
    {
        const auto found = series.find(asset.GetShortName());
        return found == series.end() ? std::vector<DSProp>() : found->second;
    }
    std::map<QString, std::vector<DSProp>> series;
};

class LocaleGuard
{
public:
    LocaleGuard() : m_qt(QLocale()), m_c(std::setlocale(LC_ALL, nullptr))
    {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        std::setlocale(LC_ALL, "pl_PL.UTF-8");
    }
    ~LocaleGuard()
    {
        QLocale::setDefault(m_qt);
        std::setlocale(LC_ALL, m_c.c_str());
    }

private:
    QLocale m_qt;
    std::string m_c;
};
}

TEST(CloudAlertDataTest, NewRecordHasTheInitialValuesAndAFreshUniqueId)
{
    const CloudAlertData first;
    const CloudAlertData second;
    EXPECT_EQ(first.precision, -1);
    EXPECT_EQ(first.status, 10);
    EXPECT_EQ(first.buyOperator, -1);
    EXPECT_EQ(first.sellOperator, -1);
    EXPECT_EQ(first.notifications, 0);
    EXPECT_FALSE(first.once);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9A-F]{32}$")).match(first.uniqueId).hasMatch()) << first.uniqueId.toStdString();
    EXPECT_NE(first.uniqueId, second.uniqueId);
}

TEST(CloudAlertDataTest, RequestXmlHoldsTheFieldsInOrder)
{
    CloudAlertData record;
    record.uniqueId = QStringLiteral("ABC");
    record.isin = QStringLiteral("PLPKO0000016");
    record.name = QStringLiteral("PKO & <spółka>");
    record.once = true;
    record.buyDefined = true;
    record.buyItemType = 3;
    record.buyOperator = 2;
    record.buyValue = 41.5;
    record.sellItemType = 12;
    record.sellOperator = 7;
    record.sellValue = -0.25;
    record.notifications = 0x46;
    EXPECT_EQ(CloudAlertData::WriteRequestXml(record, false),
              QStringLiteral("<request><alertdefinition><once>1</once><uniqueid>ABC</uniqueid><isin>PLPKO0000016</isin>"
                             "<name>PKO &amp; &lt;spółka></name><start_from_side>66</start_from_side>"
                             "<buy_item_type>3</buy_item_type><buy_operator>3</buy_operator>"
                             "<buy_value>41.500000</buy_value><sell_item_type>0</sell_item_type>"
                             "<sell_operator>6</sell_operator><sell_value>-0.250000</sell_value>"
                             "<notifications>70</notifications></alertdefinition></request>"));
    EXPECT_FALSE(CloudAlertData::WriteRequestXml(record, true).contains(QStringLiteral("uniqueid")));
}

TEST(CloudAlertDataTest, SidesTravelAsCharacterCodes)
{
    struct Case
    {
        bool buy;
        bool sell;
        const char* code;
        bool buyRead;
        bool sellRead;
    };
    // A record with no side is written as a buy alert and comes back as one.
    const Case cases[] = {{false, false, "66", true, false},
                          {true, false, "66", true, false},
                          {false, true, "83", false, true},
                          {true, true, "78", true, true}};
    for (const Case& c : cases)
    {
        CloudAlertData record;
        record.buyDefined = c.buy;
        record.sellDefined = c.sell;
        SCOPED_TRACE(c.code);
        EXPECT_TRUE(CloudAlertData::WriteRequestXml(record, false)
                        .contains(QStringLiteral("<start_from_side>%1</start_from_side>").arg(QLatin1String(c.code))));
        const CloudAlertData read = RoundTrip(record);
        EXPECT_EQ(read.buyDefined, c.buyRead);
        EXPECT_EQ(read.sellDefined, c.sellRead);
    }
}

TEST(CloudAlertDataTest, RoundTripKeepsEveryWrittenField)
{
    CloudAlertData record;
    record.isin = QStringLiteral("PL0000000001");
    record.name = QStringLiteral("Zażółć & gęślą");
    record.once = true;
    record.buyDefined = record.sellDefined = true;
    record.buyItemType = 9;
    record.buyOperator = 5;
    record.buyValue = 1234.125;
    record.sellItemType = 1;
    record.sellOperator = 0;
    record.sellValue = 0.000001;
    record.notifications = 0x76;
    const CloudAlertData read = RoundTrip(record);
    EXPECT_EQ(read.uniqueId, record.uniqueId);
    EXPECT_EQ(read.isin, record.isin);
    EXPECT_EQ(read.name, record.name);
    EXPECT_TRUE(read.once);
    EXPECT_EQ(read.buyItemType, 9);
    EXPECT_EQ(read.buyOperator, 5);
    EXPECT_DOUBLE_EQ(read.buyValue, 1234.125);
    EXPECT_EQ(read.sellItemType, 1);
    EXPECT_EQ(read.sellOperator, 0);
    EXPECT_DOUBLE_EQ(read.sellValue, 0.000001);
    EXPECT_EQ(read.notifications, 0x76);
}

TEST(CloudAlertDataTest, OperatorsMapBothWays)
{
    const std::map<int, int> toWire = {{0, 1}, {1, 0}, {2, 3}, {3, 2}, {4, 4}, {5, 5}, {-1, 0}, {6, 6}, {-7, 6}};
    for (const auto& [internal, wire] : toWire)
        EXPECT_EQ(CloudAlertData::OperatorToWire(internal), wire) << internal;
    const std::map<int, int> fromWire = {{0, 1}, {1, 0}, {2, 3}, {3, 2}, {4, 4}, {5, 5}, {6, -1}, {-1, -1}, {99, -1}};
    for (const auto& [wire, internal] : fromWire)
        EXPECT_EQ(CloudAlertData::OperatorFromWire(wire), internal) << wire;
}

TEST(CloudAlertDataTest, ReadingTakesWhatTheElementHolds)
{
    const CloudAlertData read = Read(QStringLiteral(
        "<a><status>-1</status><status2>3</status2><id>42abc</id><uniqueid>U1</uniqueid><name>N</name><isin>I</isin>"
        "<instrument>Long</instrument><start_from_side>66</start_from_side><buy_item_type>4</buy_item_type>"
        "<buy_operator>2</buy_operator><buy_value> 7.25 </buy_value><sell_item_type>5</sell_item_type>"
        "<notifications>322</notifications><once>2</once></a>"));
    EXPECT_EQ(read.status, -1);
    EXPECT_EQ(read.status2, 3);
    EXPECT_EQ(read.id, 42);
    EXPECT_EQ(read.uniqueId, QStringLiteral("U1"));
    EXPECT_EQ(read.instrument, QStringLiteral("Long"));
    EXPECT_TRUE(read.buyDefined);
    EXPECT_EQ(read.buyItemType, 4);
    EXPECT_EQ(read.buyOperator, 3);
    EXPECT_DOUBLE_EQ(read.buyValue, 7.25);
    // A buy alert: the sell elements are not read and the sell side is off.
    EXPECT_FALSE(read.sellDefined);
    EXPECT_EQ(read.sellItemType, 0);
    // Kept as a byte; "once" is only 1.
    EXPECT_EQ(read.notifications, 322 & 0xFF);
    EXPECT_FALSE(read.once);
}

TEST(CloudAlertDataTest, WithoutASideTheSidesNotificationsAndOnceStay)
{
    CloudAlertData before;
    before.sellDefined = true;
    before.sellOperator = 4;
    before.notifications = 0x20;
    before.once = true;
    before.instrumentFound = true;
    const CloudAlertData read =
        Read(QStringLiteral("<a><name>Nowa</name><notifications>0</notifications><once>0</once></a>"), before);
    EXPECT_EQ(read.name, QStringLiteral("Nowa"));
    EXPECT_FALSE(read.instrumentFound);
    EXPECT_TRUE(read.sellDefined);
    EXPECT_EQ(read.sellOperator, 4);
    EXPECT_EQ(read.notifications, 0x20);
    EXPECT_TRUE(read.once);
}

TEST(CloudAlertDataTest, UnknownSideLetterClearsBothSides)
{
    CloudAlertData before;
    before.buyDefined = before.sellDefined = true;
    // "B" is no number, so it reads as 0, which is no side letter.
    const CloudAlertData read = Read(QStringLiteral("<a><start_from_side>B</start_from_side></a>"), before);
    EXPECT_FALSE(read.buyDefined);
    EXPECT_FALSE(read.sellDefined);
    EXPECT_EQ(CloudAlertData::SideFromCharacterCode(78 + 256), CloudAlertData::kSideBoth);
}

TEST(CloudAlertDataTest, ValuesUseAPointUnderAPolishLocale)
{
    const LocaleGuard polish;
    CloudAlertData record;
    record.buyValue = 3.5;
    EXPECT_TRUE(CloudAlertData::WriteRequestXml(record, true).contains(QStringLiteral("<buy_value>3.500000</buy_value>")));
    EXPECT_DOUBLE_EQ(RoundTrip(record).buyValue, 3.5);
    // A comma is no decimal the server writes.
    EXPECT_DOUBLE_EQ(Read(QStringLiteral("<a><start_from_side>66</start_from_side><buy_value>3,5</buy_value></a>")).buyValue,
                     0.0);
}

TEST(CloudAlertDataTest, OptionsSetTheirBitsOrTheOnceFlag)
{
    const std::uint8_t bits[] = {0x02, 0x04, 0x10, 0x20, 0x40};
    for (int option = 0; option < 5; ++option)
    {
        CloudAlertData record;
        record.notifications = 0x01;
        record.SetOption(option, true);
        EXPECT_EQ(record.notifications, 0x01 | bits[option]) << option;
        record.SetOption(option, false);
        EXPECT_EQ(record.notifications, 0x01) << option;
    }
    CloudAlertData record;
    record.SetOption(5, true);
    EXPECT_TRUE(record.once);
    EXPECT_EQ(record.notifications, 0);
    record.SetOption(6, true);
    record.SetOption(-1, true);
    EXPECT_EQ(record.notifications, 0);
}

TEST(CloudAlertDataTest, InstrumentIsFoundByIsinOrByTickerWithoutIsin)
{
    SeriesProvider provider;
    provider.series[QStringLiteral("PKOBP")] = {DSProp(3, QStringLiteral("Wolumen"), 0), DSProp(2, QStringLiteral("Kurs"), 3),
                                                DSProp(2, QStringLiteral("Kurs 2"), 5)};
    const std::vector<Asset> instruments = {
        Asset(&provider, QStringLiteral("PLOTHER00001"), QStringLiteral("OTHER"), QStringLiteral("Inny"), QStringLiteral("GPW")),
        Asset(&provider, QString(), QStringLiteral("PKOBP"), QStringLiteral("PKO Bank Polski"), QStringLiteral("GPW")),
        Asset(&provider, QStringLiteral("PKOBP"), QStringLiteral("X"), QStringLiteral("Drugi"), QStringLiteral("GPW"))};

    CloudAlertData record;
    record.isin = QStringLiteral("PKOBP");
    CloudAlertData::ResolveInstrument(record, instruments, provider);
    EXPECT_TRUE(record.instrumentFound);
    EXPECT_EQ(record.instrument, QStringLiteral("PKO Bank Polski"));
    EXPECT_EQ(record.precision, 3);

    // A later list without the instrument keeps what was found.
    CloudAlertData::ResolveInstrument(record, {}, provider);
    EXPECT_EQ(record.precision, 3);

    CloudAlertData missing;
    missing.isin = QStringLiteral("pkobp");
    CloudAlertData::ResolveInstrument(missing, instruments, provider);
    EXPECT_FALSE(missing.instrumentFound);
    EXPECT_EQ(missing.precision, 2);

    // Found, but the provider has no price series for it.
    CloudAlertData noSeries;
    noSeries.isin = QStringLiteral("PLOTHER00001");
    CloudAlertData::ResolveInstrument(noSeries, instruments, provider);
    EXPECT_EQ(noSeries.instrument, QStringLiteral("Inny"));
    EXPECT_EQ(noSeries.precision, -1);
}
