#include "SheetTestSupport.h"

#include "orderssheet/engine/OSAlertReporter.h"
#include "orderssheet/engine/OrdersSheetAssetInstance.h"
#include "platform/base/QuorvantaException.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
class OSAlertReporterTest : public ::testing::Test
{
protected:
    OSAlertReporterTest()
    {
        for (int side = 0; side < 2; ++side)
        {
            std::vector<ItemBasicData> records = SheetTest::SmallBook(side);
            instance.GetDataSet(side)->SetBasicDataArray(records);
            instance.GetDataSet(side)->ActualizeData(OSAdditionalData());
        }
    }

    SheetTest::SheetProvider provider;
    OrdersSheetAssetInstance instance{std::make_shared<Asset>(&provider, QStringLiteral("PLTEST000001"),
                                                              QStringLiteral("TEST"), QStringLiteral("Test"),
                                                              QStringLiteral("GPW"))};
};
}

TEST_F(OSAlertReporterTest, ArgumentsOfTheDraggedColumns)
{
    struct Case
    {
        bool offers;
        int side;
        int column;
        int id;
        const char* name;
    };
    const Case cases[] = {
        {false, 0, 1, 1, "Cena zlecenia"},
        {false, 0, 2, 2, "Cena arkusza"},
        {false, 1, 2, 20, "Cena arkusza"},
        {false, 0, 3, 3, "Wolumen (zlecenia)"},
        {false, 1, 4, 22, "Wartość (zlecenia)"},
        {true, 0, 2, 12, "Cena oferty"},
        {true, 1, 3, 31, "Wolumen (oferty)"},
        {true, 1, 4, 32, "Wartość (oferty)"},
        {false, 0, 0, 0, nullptr},
        {false, 1, 5, 0, nullptr},
        {true, 0, 1, 0, nullptr},
        {true, 1, 5, 0, nullptr},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.offers << " " << c.side << " " << c.column);
        const OSAlertReporter reporter(instance.GetDataSet(c.side));
        DDBaseDataObject object;
        const bool made = c.offers ? reporter.SetupOffersModeArg(object, c.column)
                                   : reporter.SetupOrdersModeArg(object, c.column);
        EXPECT_EQ(made, c.name != nullptr);
        EXPECT_EQ(object.HasAlertArg(), made);
        if (!made)
            continue;
        const AlertExprArgDesc& argument = object.GetAlertArgDescription();
        EXPECT_EQ(argument.GetSourceModuleName(), QStringLiteral("Arkusz zlecen"));
        EXPECT_EQ(argument.GetBaseArgumentSourceID(), static_cast<std::uint32_t>(c.id));
        // The name says the instrument; the description keeps the column's own name.
        EXPECT_EQ(argument.GetArgumentName(), QStringLiteral("TEST ") + QString::fromUtf8(c.name));
        EXPECT_EQ(argument.GetArgumentDescription(), QStringLiteral("opis - ") + QString::fromUtf8(c.name));
    }
}

TEST_F(OSAlertReporterTest, AnEmptySheetOffersNothingAndADataSetIsRequired)
{
    TableDataSetOrdersSheet empty(1, nullptr);
    const OSAlertReporter reporter(&empty);
    DDBaseDataObject object;
    EXPECT_FALSE(reporter.SetupOrdersModeArg(object, 2));
    EXPECT_FALSE(reporter.SetupOffersModeArg(object, 2));
    EXPECT_FALSE(object.HasAlertArg());

    try
    {
        OSAlertReporter none(nullptr);
        FAIL() << "no exception";
    }
    catch (const QuorvantaException& error)
    {
        EXPECT_EQ(error.Place(), QStringLiteral("OSAlertReporter::OSAlertReporter"));
        EXPECT_EQ(error.Text(), QStringLiteral("Invalid argument!"));
        EXPECT_EQ(error.Line(), 32);
    }
}
