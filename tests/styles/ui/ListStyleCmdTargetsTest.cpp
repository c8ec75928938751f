#include "platform/toolkit/GalleryControl.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/NotifyInfo.h"
#include "styles/engine/SpecialStylesInfo.h"
#include "styles/engine/StyleTable.h"
#include "styles/engine/StyleTextField.h"
#include "styles/engine/StyleTransactionList.h"
#include "styles/engine/StyleTransactionsMonitor.h"
#include "styles/engine/StylesContainer.h"
#include "styles/ui/CmdTargetEditTableStyle.h"
#include "styles/ui/CmdTargetEditTextFieldStyle.h"
#include "styles/ui/CmdTargetEditTransactionsMonitorStyle.h"
#include "styles/ui/CmdTargetEditTransactionsStyle.h"
#include "styles/ui/StyleEditModeHandler.h"
#include "tests/support/styles/FakeStyleEditHost.h"
#include "tests/support/ui/TestApplication.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
constexpr std::int32_t kRed = 0x0000FF;
constexpr std::int32_t kGreen = 0x00FF00;

struct Bench
{
    QApplication& application = TestApplication::Ensure();
    std::shared_ptr<FakeStyleEditHost> host = std::make_shared<FakeStyleEditHost>();
    StyleEditModeHandler handler{host};
};

// The update-UI answer of the target for the command.
CmdUI Update(CmdTarget& target, std::uint32_t id, QObject* control = nullptr)
{
    CmdUI cmdUI(id, control);
    target.UpdateCommandUI(cmdUI);
    return cmdUI;
}

// Picks the colour item of a colour gallery of the command.
void PickColour(CmdTarget& target, std::uint32_t id, std::int32_t colour)
{
    GalleryControl gallery(id);
    gallery.AddItem(static_cast<std::uint32_t>(colour), QStringLiteral("kolor"));
    gallery.SetSelectedItem(0);
    NotifyInfo info(id, NotifyCodes::Execute, &gallery);
    ASSERT_TRUE(target.SendNotify(info));
}

// A command that writes a value: the parameter before and after, and the check its update gives.
struct ValueCase
{
    std::uint32_t id;
    int parameter;
    qint32 before;
    qint32 after;
    int checkedAfter;
};

void RunValueCases(const std::function<std::shared_ptr<CmdTarget>(std::shared_ptr<StyleBase>)>& make,
                   StyleType kind, std::initializer_list<ValueCase> cases)
{
    for (const ValueCase& entry : cases)
    {
        SCOPED_TRACE(entry.id);
        std::shared_ptr<StyleBase> style = StyleBase::CreateStyleFromType(kind);
        style->SetValue(entry.parameter, entry.before);
        std::shared_ptr<CmdTarget> target = make(style);
        ASSERT_TRUE(target->ExecuteCommand(entry.id));
        EXPECT_EQ(style->GetValue(entry.parameter), entry.after);
        EXPECT_EQ(Update(*target, entry.id).Checked(), entry.checkedAfter);
        EXPECT_EQ(Update(*target, entry.id).Enabled(), true);
    }
}

TEST(ListStyleCmdTargetsTest, TableCommandsWriteTheirParameters)
{
    Bench bench;
    const auto make = [&](std::shared_ptr<StyleBase> style) {
        return std::make_shared<CmdTargetEditTableStyle>(style, bench.handler);
    };
    RunValueCases(make, StyleTable::Type,
                  {
                      {33102, StyleTable::ParamHorizontalGrid, 1, 0, 0},
                      {33104, StyleTable::ParamVerticalGrid, 0, 1, 1},
                      {32831, StyleTable::ParamColouringMode, 2, 0, 1},
                      {32832, StyleTable::ParamColouringMode, 0, 1, 1},
                      {32833, StyleTable::ParamColouringMode, 0, 2, 1},
                      {32930, StyleTable::ParamOption6, 0, 1, 1},
                      {32828, StyleTable::ParamAnimate, 1, 0, 0},
                      {32781, StyleTable::ParamBoldChanges, 0, 1, 1},
                      {32834, StyleTable::ParamOption11, 0, 1, 1},
                      {32835, StyleTable::ParamOption11, 1, 0, 1},
                  });
}

TEST(ListStyleCmdTargetsTest, TransactionListAndMonitorCommandsWriteTheirParameters)
{
    Bench bench;
    RunValueCases([&](std::shared_ptr<StyleBase> style) {
        return std::make_shared<CmdTargetEditTransactionsStyle>(style, bench.handler, nullptr);
    },
                  StyleTransactionList::Type,
                  {
                      {33231, StyleTransactionList::ParamHorizontalGrid, 1, 0, 0},
                      {33232, StyleTransactionList::ParamVerticalGrid, 0, 1, 1},
                      {32910, StyleTransactionList::ParamColouringMode, 2, 0, 1},
                      {32911, StyleTransactionList::ParamColouringMode, 0, 1, 1},
                      {32912, StyleTransactionList::ParamColouringMode, 0, 2, 1},
                  });
    RunValueCases([&](std::shared_ptr<StyleBase> style) {
        return std::make_shared<CmdTargetEditTransactionsMonitorStyle>(style, bench.handler);
    },
                  StyleTransactionsMonitor::Type,
                  {
                      {33827, StyleTransactionsMonitor::ParamHorizontalGrid, 1, 0, 0},
                      {33828, StyleTransactionsMonitor::ParamVerticalGrid, 0, 1, 1},
                      {33892, StyleTransactionsMonitor::ParamColouring, 1, 0, 1},
                      {33893, StyleTransactionsMonitor::ParamColouring, 0, 1, 1},
                  });
}

TEST(ListStyleCmdTargetsTest, AnUnknownModeLeavesEveryModeUnchecked)
{
    Bench bench;
    auto list = StyleBase::CreateStyleFromType(StyleTransactionList::Type);
    list->SetValue(StyleTransactionList::ParamColouringMode, 5);
    CmdTargetEditTransactionsStyle listTarget(list, bench.handler, nullptr);
    for (const std::uint32_t id : {32910u, 32911u, 32912u})
        EXPECT_EQ(Update(listTarget, id).Checked(), 0) << id;
    auto monitor = StyleBase::CreateStyleFromType(StyleTransactionsMonitor::Type);
    monitor->SetValue(StyleTransactionsMonitor::ParamColouring, 3);
    CmdTargetEditTransactionsMonitorStyle monitorTarget(monitor, bench.handler);
    for (const std::uint32_t id : {33892u, 33893u})
        EXPECT_EQ(Update(monitorTarget, id).Checked(), 0) << id;
}

TEST(ListStyleCmdTargetsTest, TheTableHighlightColourIsOfferedOnlyInModeZero)
{
    Bench bench;
    auto style = StyleBase::CreateStyleFromType(StyleTable::Type);
    CmdTargetEditTableStyle target(style, bench.handler);
    ASSERT_TRUE(target.ExecuteCommand(32831));
    EXPECT_EQ(Update(target, 33110).Enabled(), true);
    for (const std::uint32_t mode : {32832u, 32833u})
    {
        ASSERT_TRUE(target.ExecuteCommand(mode));
        EXPECT_EQ(Update(target, 33110).Enabled(), false) << mode;
    }
}

// Each colour command of a related style's group writes its parameter into the style that
// relation relates, and "Odrzuć" puts every change back.
TEST(ListStyleCmdTargetsTest, RelationColoursWriteTheRelatedStyleAndDiscardRestoresThem)
{
    struct GroupCase
    {
        StyleType kind;
        int relation;
        std::uint32_t firstColourId;
        std::uint32_t discardId;
    };
    const GroupCase cases[] = {
        {StyleTable::Type, StyleTable::RelationOdd, 33123, 33115},
        {StyleTable::Type, StyleTable::RelationEven, 33133, 33463},
        {StyleTransactionList::Type, StyleTransactionList::RelationRises2, 33278, 33239},
        {StyleTransactionList::Type, StyleTransactionList::RelationFalls2, 33298, 33463},
        {StyleTransactionsMonitor::Type, StyleTransactionsMonitor::RelationOdd, 33811, 33835},
        {StyleTransactionsMonitor::Type, StyleTransactionsMonitor::RelationEven, 33821, 33463},
    };
    const int parameters[] = {2, 4, 6, 3, 5, 7};
    Bench bench;
    for (const GroupCase& entry : cases)
    {
        SCOPED_TRACE(entry.firstColourId);
        std::shared_ptr<StyleBase> style = StyleBase::CreateStyleFromType(entry.kind);
        std::shared_ptr<StyleBase> related = style->GetRelatedStyle(entry.relation);
        std::shared_ptr<CmdTarget> target;
        if (entry.kind == StyleTable::Type)
            target = std::make_shared<CmdTargetEditTableStyle>(style, bench.handler);
        else if (entry.kind == StyleTransactionList::Type)
            target = std::make_shared<CmdTargetEditTransactionsStyle>(style, bench.handler, nullptr);
        else
            target = std::make_shared<CmdTargetEditTransactionsMonitorStyle>(style, bench.handler);
        std::vector<qint32> before;
        for (int index = 0; index < 6; ++index)
        {
            before.push_back(related->GetValue(parameters[index]));
            // Two changes: the first state of the session is the one "Odrzuć" restores.
            PickColour(*target, entry.firstColourId + static_cast<std::uint32_t>(index), kGreen);
            PickColour(*target, entry.firstColourId + static_cast<std::uint32_t>(index), kRed);
            EXPECT_EQ(style->GetRelatedStyle(entry.relation)->GetValue(parameters[index]), kRed) << index;
        }
        ASSERT_TRUE(target->ExecuteCommand(entry.discardId));
        for (int index = 0; index < 6; ++index)
            EXPECT_EQ(style->GetRelatedStyle(entry.relation)->GetValue(parameters[index]), before[static_cast<std::size_t>(index)])
                << index;
    }
}

TEST(ListStyleCmdTargetsTest, ToggleUndoRestoresTheEntryState)
{
    Bench bench;
    auto style = StyleBase::CreateStyleFromType(StyleTable::Type);
    style->SetValue(StyleTable::ParamAnimate, 1);
    style->SetValue(StyleTable::ParamHorizontalGrid, 1);
    CmdTargetEditTableStyle target(style, bench.handler);
    ASSERT_TRUE(target.ExecuteCommand(32828));
    ASSERT_TRUE(target.ExecuteCommand(33102));
    ASSERT_TRUE(target.ExecuteCommand(33115));
    EXPECT_EQ(style->GetValue(StyleTable::ParamAnimate), 1);
    EXPECT_EQ(style->GetValue(StyleTable::ParamHorizontalGrid), 1);
}

// A copy-from gallery lists the own copies of the relations without a container style, named
// after their relation, in ascending order.
TEST(ListStyleCmdTargetsTest, CopyFromListsOwnCopiesNamedByRelation)
{
    Bench bench;
    auto named = StyleTextField::CreateInstance();
    named->SetName(QStringLiteral("Pole nazwane"));
    StylesContainer::Instance().AddStyle(named);
    auto style = StyleBase::CreateStyleFromType(StyleTransactionList::Type);
    ASSERT_TRUE(style->SetRelatedStyle(StyleTransactionList::RelationOdd, named->GetId(), StyleTextField::Type));
    CmdTargetEditTransactionsStyle target(style, bench.handler, nullptr);
    GalleryControl gallery(33284);
    NotifyInfo info(33284, NotifyCodes::SpecialStylesRequest, &gallery);
    ASSERT_TRUE(target.SendNotify(info));
    const auto* answer = reinterpret_cast<const SpecialStylesInfo*>(info.result);
    ASSERT_NE(answer, nullptr);
    QStringList names;
    for (const auto& copy : answer->styles)
        names << copy->GetName();
    EXPECT_EQ(names, (QStringList{QStringLiteral("Parzysty"), QStringLiteral("Wzrosty 1"), QStringLiteral("Wzrosty 2"),
                                  QStringLiteral("Spadki 1"), QStringLiteral("Spadki 2")}));

    auto table = StyleBase::CreateStyleFromType(StyleTable::Type);
    CmdTargetEditTableStyle tableTarget(table, bench.handler);
    NotifyInfo tableInfo(33139, NotifyCodes::SpecialStylesRequest, &gallery);
    ASSERT_TRUE(tableTarget.SendNotify(tableInfo));
    const auto* tableAnswer = reinterpret_cast<const SpecialStylesInfo*>(tableInfo.result);
    ASSERT_EQ(tableAnswer->styles.size(), 2u);
    EXPECT_EQ(tableAnswer->styles[0]->GetName(), QStringLiteral("P. nieparzysty"));
    EXPECT_EQ(tableAnswer->styles[1]->GetName(), QStringLiteral("P. parzysty"));

    // The style gallery of a relation checks the related style.
    NotifyInfo relationInfo(33245, NotifyCodes::SpecialStylesRequest, &gallery);
    ASSERT_TRUE(target.SendNotify(relationInfo));
    EXPECT_EQ(reinterpret_cast<const SpecialStylesInfo*>(relationInfo.result)->checkedStyleId, named->GetId());
    StylesContainer::Instance().RemoveStyle(named->GetId());
}

TEST(ListStyleCmdTargetsTest, SaveAsDefaultIsOfferedOnlyForAContainerStyle)
{
    Bench bench;
    auto own = StyleBase::CreateStyleFromType(StyleTransactionList::Type);
    int saved = 0;
    CmdTargetEditTransactionsStyle ownTarget(own, bench.handler, [&saved](int id) {
        saved = id;
        return true;
    });
    EXPECT_EQ(Update(ownTarget, 33240).Enabled(), false);

    auto stored = StyleBase::CreateStyleFromType(StyleTransactionList::Type);
    stored->SetName(QStringLiteral("Lista zapisana"));
    StylesContainer::Instance().AddStyle(stored);
    CmdTargetEditTransactionsStyle storedTarget(stored, bench.handler, [&saved](int id) {
        saved = id;
        return true;
    });
    EXPECT_EQ(Update(storedTarget, 33240).Enabled(), true);
    ASSERT_TRUE(storedTarget.ExecuteCommand(33240));
    EXPECT_EQ(saved, stored->GetId());
    StylesContainer::Instance().RemoveStyle(stored->GetId());
}

// The text field's colour ids and the parameters they write; "Odrzuć" after several changes
// restores the entry state.
TEST(ListStyleCmdTargetsTest, TextFieldColoursAndDiscard)
{
    const std::pair<std::uint32_t, int> colours[] = {
        {33089, 2}, {33090, 4}, {33091, 6}, {33094, 3}, {33092, 5}, {33093, 7},
    };
    Bench bench;
    auto style = StyleTextField::CreateInstance();
    CmdTargetEditTextFieldStyle target(style, bench.handler);
    std::vector<qint32> before;
    for (const auto& [id, parameter] : colours)
    {
        before.push_back(style->GetValue(parameter));
        PickColour(target, id, kGreen);
        EXPECT_EQ(style->GetValue(parameter), kGreen) << id;
    }
    ASSERT_TRUE(target.ExecuteCommand(33097));
    for (std::size_t index = 0; index < std::size(colours); ++index)
        EXPECT_EQ(style->GetValue(colours[index].second), before[index]) << colours[index].first;
}
}
