#include "app/OrdersSheetManagerQ4Classic.h"
#include "core/mediator/AppMediator.h"
#include "orderssheet/engine/OrdersSheetAssetInstance.h"
#include "orderssheet/ui/OrderSheetMainDlg.h"
#include "platform/modules/DDBaseDataObjectMime.h"
#include "platform/modules/ProviderBase.h"
#include "sessionstats/ui/StatisticsDragData.h"
#include "tests/app/OrdersSheetAppFixture.h"

#include <QMimeData>

#include <memory>

namespace
{
class OrdersSheetDropTest : public OrdersSheetAppFixture
{
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(StartWithSheet());
    }

    static std::unique_ptr<QMimeData> AlertArgument(const QString& instrument)
    {
        DDBaseDataObject object;
        object.SetupAlertArg(AlertExprArgDesc(QStringLiteral("Tabela"), 1, QStringLiteral("Kurs"),
                                              QStringLiteral("opis"), instrument));
        return DDBaseDataObjectMime::Pack(object);
    }

};

TEST_F(OrdersSheetDropTest, DataWithoutAKnownInstrumentIsRefusedAndChangesNothing)
{
    auto empty = std::make_unique<QMimeData>();
    empty->setText(other.GetLongName());
    auto malformed = std::make_unique<QMimeData>();
    malformed->setData(StatisticsDragData::kAssetFormat, other.GetLongName().toUtf8());
    const std::unique_ptr<QMimeData> refused[] = {
        std::move(empty),
        std::move(malformed),
        StatisticsDragData::Asset(QStringLiteral("NIEMA")),
        StatisticsDragData::Asset(QString()),
        // An argument about no instrument.
        AlertArgument(QString()),
    };
    for (const auto& data : refused)
    {
        EXPECT_FALSE(window->DropData(data.get()));
        EXPECT_EQ(window->GetAsset(), asset);
    }
    EXPECT_FALSE(window->DropData(nullptr));
}

TEST_F(OrdersSheetDropTest, TheSameInstrumentChangesNothingAndAnotherMovesTheWindow)
{
    OrdersSheetAssetInstance* instance = sheets->FindInstance(asset);
    ASSERT_NE(instance, nullptr);
    EXPECT_TRUE(window->DropData(StatisticsDragData::Asset(asset.GetLongName()).get()));
    EXPECT_TRUE(window->DropData(AlertArgument(asset.GetShortName()).get()));
    EXPECT_EQ(sheets->FindInstance(asset), instance);
    EXPECT_EQ(window->GetInstance(), instance);

    // Another instrument by its short name from a statistics grid: the old instance goes with its
    // only window.
    ASSERT_TRUE(window->DropData(StatisticsDragData::Asset(other.GetShortName()).get()));
    EXPECT_EQ(window->GetAsset(), other);
    EXPECT_TRUE(window->IsRunning());
    EXPECT_EQ(sheets->FindInstance(asset), nullptr);

    // A data window's cell brings its instrument back.
    ASSERT_TRUE(window->DropData(AlertArgument(asset.GetShortName()).get()));
    EXPECT_EQ(window->GetAsset(), asset);
    EXPECT_EQ(sheets->FindInstance(other), nullptr);
}

TEST_F(OrdersSheetDropTest, DropsOnThePanesReachTheWindow)
{
    // Qt hands a drop to the nearest widget that takes drops: no pane may take them itself.
    EXPECT_TRUE(window->acceptDrops());
    for (const QWidget* child : window->findChildren<QWidget*>())
        EXPECT_FALSE(child->acceptDrops()) << child->metaObject()->className();
}
}
