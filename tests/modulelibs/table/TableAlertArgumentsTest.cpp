#include "modulelibs/table/QuoteTableWindow.h"
#include "modulelibs/table/TableAlertArguments.h"
#include "modulelibs/table/TableFields.h"
#include "modulelibs/table/TableModuleConsumer.h"
#include "platform/modules/DDBaseDataObjectMime.h"
#include "platform/modules/DDBaseDataObject.h"
#include "platform/modules/IAlertModule.h"
#include "tests/modulelibs/table/TableTestFeed.h"
#include "tests/support/TempHome.h"

#include <QApplication>
#include <QMimeData>
#include <QMouseEvent>

#include <mutex>
#include <set>

namespace
{
class RecordingAlertModule : public IAlertModule
{
public:
    void OnUpdateArgRequestId(const AlertExprArgDesc&, std::uint32_t) override {}
    void OnUpdateArgValue(const AlertExprArgDesc& argument, const AlertExprArgValue& value) override
    {
        const std::lock_guard lock(m_mutex);
        m_values.emplace_back(argument, value);
    }
    void OnUpdateArgListValues(std::shared_ptr<const AlertExprArgList>) override {}
    void OnArgDestroyed(const AlertExprArgDesc& argument) override
    {
        const std::lock_guard lock(m_mutex);
        m_destroyed.push_back(argument);
    }
    void GatherAssociatedAlertsInfo(const AlertExprArgDesc&, std::vector<BasicAlertInfo>&) override {}

    std::vector<std::pair<AlertExprArgDesc, AlertExprArgValue>> Take()
    {
        const std::lock_guard lock(m_mutex);
        return std::exchange(m_values, {});
    }
    std::vector<AlertExprArgDesc> Destroyed()
    {
        const std::lock_guard lock(m_mutex);
        return m_destroyed;
    }

private:
    std::mutex m_mutex;
    std::vector<std::pair<AlertExprArgDesc, AlertExprArgValue>> m_values;
    std::vector<AlertExprArgDesc> m_destroyed;
};

class TableAlertArgumentsTest : public TableFeedFixture
{
protected:
    TableAlertArguments& Arguments() { return m_consumer.AlertArguments(); }
    IAlertArgumentSource& Source() { return m_consumer; }

    // Waits until the feed delivered something, then takes everything that came.
    std::vector<std::pair<AlertExprArgDesc, AlertExprArgValue>> Delivered()
    {
        std::vector<std::pair<AlertExprArgDesc, AlertExprArgValue>> all;
        TestApplication::ProcessEventsUntil([&] {
            for (auto& value : m_alerts.Take())
                all.push_back(std::move(value));
            return all.size() >= 3;
        });
        return all;
    }

    TempHome m_home;
    TableModuleConsumer m_consumer;
    RecordingAlertModule m_alerts;
};

class AlertsMediator : public TableTestMediator
{
public:
    IAlertModule* GetAlertsInterface() override { return alerts; }
    IAlertModule* alerts = nullptr;
};
}

TEST_F(TableAlertArgumentsTest, OnlyNumericFieldsOfAnInstrumentAreArguments)
{
    const Asset asset = m_provider.GetAllAssets().front();
    for (const TableFields::FieldInfo& field : TableFields::All())
    {
        const AlertExprArgDesc argument = Arguments().Describe(asset, field.id);
        EXPECT_EQ(argument.IsValid(), TableFields::IsNumeric(field.id)) << field.caption.toStdString();
        if (!argument.IsValid())
            continue;
        EXPECT_EQ(argument.GetSourceModuleName(), m_consumer.GetModuleName());
        EXPECT_EQ(argument.GetInstrument(), asset.GetShortName());
        EXPECT_EQ(argument.GetArgumentName(), asset.GetShortName() + QLatin1Char(' ') + field.caption);
        EXPECT_TRUE(Source().IsArgumentValid(argument));
    }
    EXPECT_FALSE(Arguments().Describe(Asset(), TableFields::kPrice).IsValid());

    const AlertExprArgDesc invalid[] = {
        AlertExprArgDesc(),
        AlertExprArgDesc(QStringLiteral("SessionStatistics"), TableFields::kPrice, QStringLiteral("Kurs"), QString(),
                         asset.GetShortName()),
        AlertExprArgDesc(m_consumer.GetModuleName(), TableFields::kTicker, QStringLiteral("Ticker"), QString(),
                         asset.GetShortName()),
        AlertExprArgDesc(m_consumer.GetModuleName(), 999, QStringLiteral("?"), QString(), asset.GetShortName()),
        AlertExprArgDesc(m_consumer.GetModuleName(), TableFields::kPrice, QStringLiteral("Kurs"), QString()),
        AlertExprArgDesc::SeriesBased(m_consumer.GetModuleName(), 1, TableFields::kPrice, asset.GetShortName(),
                                      QStringLiteral("Kurs"), QString()),
    };
    for (const AlertExprArgDesc& argument : invalid)
    {
        EXPECT_FALSE(Source().IsArgumentValid(argument));
        EXPECT_FALSE(Source().AddArgumentUsage(argument));
    }
}

TEST_F(TableAlertArgumentsTest, UsedArgumentsGetTheFeedsValuesWithoutATableUntilTheirLastUseEnds)
{
    AlertsMediator mediator;
    mediator.provider = &m_provider;
    mediator.alerts = &m_alerts;
    PluginBase::Init(&mediator);
    const std::vector<Asset> assets = m_provider.GetAllAssets();
    ASSERT_GE(assets.size(), 2u);
    const AlertExprArgDesc price = Arguments().Describe(assets[0], TableFields::kPrice);
    const AlertExprArgDesc volume = Arguments().Describe(assets[0], TableFields::kVolume);

    EXPECT_FALSE(Source().AddArgumentUsage(AlertExprArgDesc(m_consumer.GetModuleName(), TableFields::kPrice,
                                                            QStringLiteral("Kurs"), QString(), QStringLiteral("NIEMA"))));
    ASSERT_TRUE(Source().AddArgumentUsage(price));
    ASSERT_TRUE(Source().AddArgumentUsage(price));
    ASSERT_TRUE(Source().AddArgumentUsage(volume));
    EXPECT_EQ(Arguments().UsageCount(price), 2);

    std::set<std::uint32_t> fields;
    for (const auto& [argument, value] : Delivered())
    {
        EXPECT_EQ(argument.GetInstrument(), assets[0].GetShortName());
        fields.insert(argument.GetBaseArgumentSourceID());
        if (argument == price)
        {
            EXPECT_GT(value.Value(), 0.0);
        }
    }
    EXPECT_TRUE(fields.count(TableFields::kPrice));
    EXPECT_FALSE(fields.count(TableFields::kChange));

    // One of two uses of the price ends: it still comes; then the volume's and the price's last.
    Source().RemoveArgumentUsage(price);
    EXPECT_EQ(Arguments().UsageCount(price), 1);
    Source().RemoveArgumentUsage(volume);
    Source().RemoveArgumentUsage(price);
    EXPECT_EQ(Arguments().UsageCount(price), 0);
    TestApplication::ProcessEventsUntil([] { return false; }, 100);
    m_alerts.Take();
    TestApplication::ProcessEventsUntil([] { return false; }, 300);
    EXPECT_TRUE(m_alerts.Take().empty());
    // A removal more than was added changes nothing.
    Source().RemoveArgumentUsage(price);
    EXPECT_EQ(Arguments().UsageCount(price), 0);

    Source().NotifyArgumentDestroyed(price);
    ASSERT_EQ(m_alerts.Destroyed().size(), 1u);
    EXPECT_EQ(m_alerts.Destroyed()[0], price);
    PluginBase::Init(&m_mediator);
}

TEST_F(TableAlertArgumentsTest, DraggingANumericCellCarriesItsInstrumentsFieldAsAnAlertArgument)
{
    ASSERT_TRUE(m_consumer.ShowNewTable(nullptr));
    QuoteTableWindow* table = m_consumer.CurrentTable();
    ASSERT_NE(table, nullptr);
    table->resize(800, 400);
    std::vector<AlertExprArgDesc> dragged;
    table->SetArgumentDragStarter([&](QWidget&, const DDBaseDataObject& object) { dragged.push_back(object.GetAlertArgDescription()); });

    const QuoteTableRow& row = *table->Model().VisibleRows().front();
    const auto pointOf = [&](int field) {
        for (int x = 0; x < table->width(); x += 4)
        {
            const QPoint point(x, table->HeaderHeight() + 3);
            if (table->HitTest(point) == std::pair(row.id, field))
                return point;
        }
        return QPoint(-1, -1);
    };
    const auto drag = [&](const QPoint& from) {
        QMouseEvent press(QEvent::MouseButtonPress, from, table->mapToGlobal(from), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(table, &press);
        const QPoint to = from + QPoint(30, 30);
        QMouseEvent move(QEvent::MouseMove, to, table->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(table, &move);
    };
    const QPoint price = pointOf(TableFields::kPrice);
    ASSERT_NE(price, QPoint(-1, -1));
    drag(price);
    ASSERT_EQ(dragged.size(), 1u);
    EXPECT_EQ(dragged[0], Arguments().Describe(row.asset, TableFields::kPrice));

    // The ticker, the header and a small jitter start no argument drag.
    drag(pointOf(TableFields::kTicker));
    drag(QPoint(price.x(), 2));
    QMouseEvent press(QEvent::MouseButtonPress, price, table->mapToGlobal(price), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(table, &press);
    QMouseEvent jitter(QEvent::MouseMove, price + QPoint(1, 0), table->mapToGlobal(price), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(table, &jitter);
    EXPECT_EQ(dragged.size(), 1u);

    // What the drag carries: module, id, name, description, instrument.
    DDBaseDataObject object;
    object.SetupAlertArg(dragged[0]);
    const std::unique_ptr<QMimeData> data = DDBaseDataObjectMime::Pack(object);
    ASSERT_NE(data, nullptr);
    const QStringList lines = QString::fromUtf8(data->data(DDBaseDataObjectMime::kAlertArgFormat)).split(QLatin1Char('\n'));
    EXPECT_EQ(lines, (QStringList{m_consumer.GetModuleName(), QString::number(TableFields::kPrice),
                                  dragged[0].GetArgumentName(), dragged[0].GetArgumentDescription(),
                                  row.asset.GetShortName()}));
    EXPECT_EQ(DDBaseDataObjectMime::Unpack(data.get())->GetAlertArgDescription(), dragged[0]);
    EXPECT_EQ(DDBaseDataObjectMime::Pack(DDBaseDataObject()), nullptr);
}
