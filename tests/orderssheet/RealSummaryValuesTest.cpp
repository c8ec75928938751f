#include "SheetTestSupport.h"

#include "core/engine/InvalidArgException.h"
#include "orderssheet/engine/PriceLevelSet.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using SheetTest::Record;

namespace
{
// In the generator's order: worst price first, the orders without a limit price last.
std::vector<ItemBasicData> SellSide()
{
    return {Record(0, 12.0, 2.0, "a"), Record(0, 11.0, 2.0, "b"), Record(0, 10.5, 2.0, "c"),
            Record(0, 10.0, 2.0, "d"), Record(0, -20.0, 2.0, "e"), Record(0, -100.0, 2.0, "f")};
}

std::vector<ItemBasicData> BuySide()
{
    return {Record(1, 9.0, 2.0, "a"), Record(1, 9.5, 2.0, "b"), Record(1, 10.0, 2.0, "c"), Record(1, -20.0, 2.0, "d")};
}

OSAdditionalData Additional(double value1, double value2, double value3, double value4)
{
    return {value1, value2, value3, value4, true};
}
}

TEST(RealSummaryValuesTest, LimitsAndCounts)
{
    struct Case
    {
        const char* name;
        int side;
        int kind;
        float fraction;
        OSAdditionalData additional;
        std::vector<ItemBasicData> records;
        int specialCount;
        int count;
        double value;
        double limit;
    };
    const Case cases[] = {
        {"sell band around the price, the limit's price counted", 0, 0, 0.1f, Additional(0, 0, 10.0, -1), SellSide(), 2,
         3, 63.0, (1.0 + 0.1f) * 10.0},
        {"sell band around the fallback value", 0, 0, 0.1f, Additional(0, 0, 0.0, 10.0), SellSide(), 2, 3, 63.0,
         (1.0 + 0.1f) * 10.0},
        {"buy band around the price", 1, 0, 0.05f, Additional(0, 0, 10.0, -1), BuySide(), 1, 2, 39.0,
         (1.0 - 0.05f) * 10.0},
        {"band without a current or fallback value", 0, 0, 0.1f, Additional(5, 5, 0.0, -1.0), SellSide(), 0, 0, 0.0,
         0.0},
        {"sell up to the lower limit", 0, 1, 0.0f, Additional(15.0, 10.5, 10.0, -1), SellSide(), 2, 2, 41.0, 10.5},
        {"buy down to the upper limit", 1, 1, 0.0f, Additional(9.5, 15.0, 10.0, -1), BuySide(), 1, 2, 39.0, 9.5},
        {"fixed limit missing", 0, 1, 0.0f, Additional(0.0, 10.5, 10.0, -1), SellSide(), 0, 0, 0.0, 0.0},
        {"a negative fixed limit counts the specials only", 0, 1, 0.0f, Additional(15.0, -1.0, 10.0, -1), SellSide(),
         2, 0, 0.0, -1.0},
        {"specials only", 0, 0, 0.1f, Additional(0, 0, 10.0, -1), {Record(0, -20.0, 1.0, "x"), Record(0, -100.0, 1.0, "y")},
         2, 0, 0.0, (1.0 + 0.1f) * 10.0},
        {"no records", 1, 0, 0.1f, Additional(0, 0, 10.0, -1), {}, 0, 0, 0.0, 0.0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        PriceLevelSet levels(c.side);
        levels.Add(3, std::make_shared<PriceLevelElement>(c.kind, c.fraction));
        levels.Reset();
        levels.Compute(c.records, c.additional);
        const auto level = levels.Find(3);
        ASSERT_NE(level, nullptr);
        EXPECT_EQ(level->GetSpecialCount(), c.specialCount);
        EXPECT_EQ(level->GetCount(), c.count);
        EXPECT_DOUBLE_EQ(level->GetValue(), c.value);
        EXPECT_DOUBLE_EQ(level->GetLimit(), c.limit);
    }
}

TEST(RealSummaryValuesTest, CopiesAreDeepAndLevelsNeedAnElement)
{
    PriceLevelSet levels(0);
    auto element = std::make_shared<PriceLevelElement>(0, 0.1f);
    levels.Add(1, element);
    PriceLevelSet copy(levels);
    copy.Reset();
    copy.Compute(SellSide(), Additional(0, 0, 10.0, -1));
    EXPECT_EQ(copy.Find(1)->GetCount(), 3);
    EXPECT_EQ(levels.Find(1)->GetCount(), 0);
    EXPECT_EQ(copy.Find(1)->GetElement(), element);
    EXPECT_EQ(copy.Find(2), nullptr);

    EXPECT_THROW(levels.Add(2, nullptr), InvalidArgException);
    EXPECT_TRUE(levels.Remove(1));
    EXPECT_TRUE(levels.IsEmpty());
}
