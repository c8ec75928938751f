#include "sessionstats/engine/AssetStatisticsWrapper.h"

#include <gtest/gtest.h>
#include <memory>

namespace
{
AssetStatisticsWrapper Slot(const QString& name, double change = 0.0, std::uint32_t transactions = 0)
{
    AssetStatisticsWrapper slot;
    slot.Fill(std::make_shared<AssetStatistics>(name, change, 5555.5, 1234567.4, 1000.6, transactions));
    return slot;
}
}

TEST(AssetStatisticsWrapperTest, TextsAndValuesByColumn)
{
    const AssetStatisticsWrapper slot = Slot(QStringLiteral("PKOBP"), -1.234, 42);
    const struct
    {
        int column;
        const char* text;
        double value;
    } cases[] = {
        {0, "PKOBP", 0.0},  {1, "-1.23", -1.234},    {2, "5555.50", 5555.5}, {3, "1234567", 1234567.4},
        {4, "1001", 1000.6}, {5, "42", 42.0},        {6, "", 0.0},           {-1, "", 0.0},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(slot.Text(c.column), QString::fromUtf8(c.text)) << c.column;
        EXPECT_DOUBLE_EQ(slot.Value(c.column), c.value) << c.column;
    }
}

TEST(AssetStatisticsWrapperTest, EmptySlotAnswersNothing)
{
    const AssetStatisticsWrapper empty;
    EXPECT_TRUE(empty.AssetName().isEmpty());
    for (int column = 0; column < AssetStatisticsWrapper::kColumns; ++column)
    {
        EXPECT_TRUE(empty.Text(column).isEmpty()) << column;
        EXPECT_EQ(empty.Value(column), 0.0) << column;
    }
}

TEST(AssetStatisticsWrapperTest, ClearKeepsTheChangeTime)
{
    AssetStatisticsWrapper slot = Slot(QStringLiteral("A"));
    slot.MarkChanged(77);
    slot.Clear();
    EXPECT_FALSE(slot.Instrument());
    EXPECT_FALSE(slot.IsChanged());
    EXPECT_EQ(slot.ChangeTime(), 77u);
}

TEST(AssetStatisticsWrapperTest, PrecedesRanksGreaterValuesAndFilledSlotsFirst)
{
    const AssetStatisticsWrapper empty;
    const struct
    {
        AssetStatisticsWrapper first;
        AssetStatisticsWrapper second;
        int column;
        bool precedes;
    } cases[] = {
        {Slot("B"), Slot("A"), 0, true},
        {Slot("A"), Slot("B"), 0, false},
        {Slot("a"), Slot("B"), 0, true},  // case-sensitive: lower case sorts above
        {Slot("A"), Slot("A"), 0, false},
        {Slot("A", 2.0), Slot("B", 1.0), 1, true},
        {Slot("A", 1.0), Slot("B", 1.0), 1, false},
        {Slot("A", 0.0, 10), Slot("B", 0.0, 9), 5, true},
        {Slot("A", 0.0, 9), Slot("B", 0.0, 10), 5, false},
        {Slot("B"), Slot("A"), 6, false},
        {Slot("B"), Slot("A"), -1, false},
        {Slot("A"), empty, 1, true},
        {Slot("A"), empty, 7, true},
        {empty, Slot("A"), 1, false},
        {empty, empty, 1, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AssetStatisticsWrapper::Precedes(c.first, c.second, c.column), c.precedes)
            << c.first.AssetName().toStdString() << " vs " << c.second.AssetName().toStdString() << " column "
            << c.column;
}
