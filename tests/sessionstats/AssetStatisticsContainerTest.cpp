#include "SessionStatisticsFakes.h"

#include "sessionstats/engine/AssetStatisticsContainer.h"

#include <gtest/gtest.h>
#include <array>
#include <cctype>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace
{
constexpr std::uint32_t kEarlier = 100;
constexpr std::uint32_t kNow = 500;

SessionStatistics::AssetsList List(const QStringList& names)
{
    SessionStatistics::AssetsList list;
    for (const QString& name : names)
        list.push_back(name == QStringLiteral("-") ? nullptr : std::make_shared<AssetStatistics>(name, 1.0, 1.0, 1.0, 1.0, 1));
    return list;
}

QStringList Names(const AssetStatisticsContainer& container)
{
    QStringList names;
    for (std::size_t i = 0; i < AssetStatisticsContainer::kSlots; ++i)
        names.append(container.Slot(i).AssetName());
    return names;
}

QStringList Padded(QStringList names)
{
    while (names.size() < static_cast<qsizetype>(AssetStatisticsContainer::kSlots))
        names.append(QString());
    return names;
}

const QStringList kTen = InstrumentNames(10);

struct ContainerCase
{
    const char* name;
    // Taken at kEarlier before the list under test.
    std::vector<QStringList> before;
    bool resetBefore;
    // Taken at kNow; "-" stands for a null entry.
    QStringList list;
    QStringList expected;
    std::set<std::size_t> changed;
};

const ContainerCase kCases[] = {
    {"twelve entries take the first ten", {}, false, InstrumentNames(12), kTen, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
    {"three entries leave seven slots empty", {}, false, {"X", "Y", "Z"}, Padded({"X", "Y", "Z"}), {0, 1, 2}},
    {"an empty session leaves every slot empty", {kTen}, false, {}, Padded({}), {}},
    {"an unchanged list marks nothing", {kTen}, false, kTen, kTen, {}},
    {"a new leader among the ten marks slot 0",
     {kTen},
     false,
     {"A1", "A0", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9"},
     {"A1", "A0", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9"},
     {0}},
    {"an instrument entering at position 5 marks slot 5",
     {kTen},
     false,
     {"A0", "A1", "A2", "A3", "A4", "N", "A5", "A6", "A7", "A8"},
     {"A0", "A1", "A2", "A3", "A4", "N", "A5", "A6", "A7", "A8"},
     {5}},
    {"a reset makes every instrument new", {kTen}, true, kTen, kTen, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
    {"ties keep the provider's order", {}, false, {"B", "A", "C"}, Padded({"B", "A", "C"}), {0, 1, 2}},
    {"a thousand instruments give the first ten", {}, false, InstrumentNames(1000), kTen,
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
    {"instruments already in the top ten stay unmarked",
     {InstrumentNames(3, "B")},
     false,
     InstrumentNames(12, "B"),
     InstrumentNames(10, "B"),
     {3, 4, 5, 6, 7, 8, 9}},
    {"a null entry leaves its slot empty", {}, false, {"X", "-", "Y"}, Padded({"X", "", "Y"}), {0, 2}},
};

class AssetStatisticsContainerTest : public testing::TestWithParam<ContainerCase>
{
};
}

TEST_P(AssetStatisticsContainerTest, TakesTheListAndMarksNewInstruments)
{
    const ContainerCase& c = GetParam();
    AssetStatisticsContainer container;
    for (const QStringList& list : c.before)
        container.Update(List(list), kEarlier);
    if (c.resetBefore)
        container.Reset();
    std::array<std::uint32_t, AssetStatisticsContainer::kSlots> timesBefore{};
    for (std::size_t i = 0; i < AssetStatisticsContainer::kSlots; ++i)
        timesBefore[i] = container.Slot(i).ChangeTime();

    container.Update(List(c.list), kNow);

    EXPECT_EQ(Names(container), c.expected);
    for (std::size_t i = 0; i < AssetStatisticsContainer::kSlots; ++i)
    {
        const AssetStatisticsWrapper& slot = container.Slot(i);
        const bool changed = c.changed.count(i) > 0;
        EXPECT_EQ(slot.IsChanged(), changed) << "slot " << i;
        EXPECT_EQ(slot.ChangeTime(), changed ? kNow : timesBefore[i]) << "slot " << i;
        if (!slot.Instrument())
        {
            EXPECT_TRUE(slot.Text(1).isEmpty());
            EXPECT_EQ(slot.Value(3), 0.0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Lists, AssetStatisticsContainerTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<ContainerCase>& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

TEST(AssetStatisticsContainerTest, ContainsComparesNamesOfFilledSlotsOnly)
{
    AssetStatisticsContainer container;
    container.Update(List({"PKO", "KGHM"}), kNow);
    EXPECT_TRUE(container.Contains(QStringLiteral("KGHM")));
    EXPECT_FALSE(container.Contains(QStringLiteral("kghm")));
    EXPECT_FALSE(container.Contains(QString()));
    container.Reset();
    EXPECT_FALSE(container.Contains(QStringLiteral("PKO")));
}
