#include "SheetSettingsFixture.h"

#include "orderssheet/settings/OrdersSheetRowsStyleSet.h"
#include "platform/settings/Settings.h"
#include "styles/engine/StyleTextField.h"
#include "styles/engine/StylesContainer.h"

namespace
{
class OrdersSheetRowsStyleSetTest : public SheetSettingsFixture
{
protected:
    // Saved into a file and read back, as a window file would.
    OrdersSheetRowsStyleSet SavedAndRead(const OrdersSheetRowsStyleSet& set) const
    {
        Settings node;
        set.Serialize(node);
        const QString path = home.Path() + QStringLiteral("/rows.q4sOS");
        EXPECT_TRUE(node.SaveToFile(path, QStringLiteral("OrdersSheetObject")));
        Settings loaded;
        EXPECT_TRUE(loaded.LoadFromFile(path, QStringLiteral("OrdersSheetObject")));
        OrdersSheetRowsStyleSet read;
        read.Unserialize(loaded);
        return read;
    }
};

TEST_F(OrdersSheetRowsStyleSetTest, OnlyModifiedOrNamedEntriesAreSavedAndKeysStayApartPerAction)
{
    OrdersSheetRowsStyleSet set;
    set.GetStyleForPaint(0, QStringLiteral("plain"));
    set.GetStyleForPaint(0, QStringLiteral("20240105123000001"))->SetValue(StyleTextField::ParamBkColor, 0x000001);
    set.SetStyle(0, QStringLiteral("20240105123000001"), OrdersSheetRowsStyleSet::kOwnStyleId);
    set.GetStyleForPaint(1, QStringLiteral("20240105123000001"))->SetValue(StyleTextField::ParamBkColor, 0x000002);
    set.GetStyleForPaint(1, QStringLiteral("10.500000"))->SetValue(StyleTextField::ParamFontColor, 0x000003);

    const OrdersSheetRowsStyleSet read = SavedAndRead(set);
    EXPECT_EQ(read.GetEntries(0).count(QStringLiteral("plain")), 0u);
    ASSERT_NE(read.GetStyle(0, QStringLiteral("20240105123000001")), nullptr);
    EXPECT_EQ(read.GetStyleId(0, QStringLiteral("20240105123000001")), OrdersSheetRowsStyleSet::kOwnStyleId);
    EXPECT_EQ(read.GetStyle(0, QStringLiteral("20240105123000001"))->GetValue(StyleTextField::ParamBkColor), 0x000001);
    ASSERT_NE(read.GetStyle(1, QStringLiteral("20240105123000001")), nullptr);
    EXPECT_EQ(read.GetStyle(1, QStringLiteral("20240105123000001"))->GetValue(StyleTextField::ParamBkColor), 0x000002);
    ASSERT_NE(read.GetStyle(1, QStringLiteral("10.500000")), nullptr);
    EXPECT_EQ(read.GetStyle(1, QStringLiteral("10.500000"))->GetValue(StyleTextField::ParamFontColor), 0x000003);
}

TEST_F(OrdersSheetRowsStyleSetTest, NamedStylesAreFollowedAndUnknownIdsKeepTheLoadedStyle)
{
    const auto named = AddTextStyle(0x0000AA);
    OrdersSheetRowsStyleSet set;
    set.SetStyle(0, QStringLiteral("a"), named->GetId());
    set.SetStyle(0, QStringLiteral("b"), named->GetId());
    EXPECT_EQ(set.GetStyle(0, QStringLiteral("a"))->GetValue(StyleTextField::ParamFontColor), 0x0000AA);

    Settings node;
    set.Serialize(node);
    named->SetValue(StyleTextField::ParamFontColor, 0x0000BB);
    OrdersSheetRowsStyleSet followed;
    followed.Unserialize(node);
    EXPECT_EQ(followed.GetStyle(0, QStringLiteral("a"))->GetValue(StyleTextField::ParamFontColor), 0x0000BB);

    StylesContainer::Instance().RemoveStyle(named->GetId());
    OrdersSheetRowsStyleSet orphaned;
    orphaned.Unserialize(node);
    ASSERT_NE(orphaned.GetStyle(0, QStringLiteral("a")), nullptr);
    EXPECT_EQ(orphaned.GetStyle(0, QStringLiteral("a"))->GetValue(StyleTextField::ParamFontColor), 0x0000AA);
}

TEST_F(OrdersSheetRowsStyleSetTest, KeepOnlyKeysPrunesOneAction)
{
    OrdersSheetRowsStyleSet set;
    for (const char* key : {"a", "b", "c"})
    {
        set.GetEntry(0, QString::fromLatin1(key), true);
        set.GetEntry(1, QString::fromLatin1(key), true);
    }
    set.KeepOnlyKeys(0, {QStringLiteral("b"), QStringLiteral("z")});
    ASSERT_EQ(set.GetEntries(0).size(), 1u);
    EXPECT_EQ(set.GetEntries(0).begin()->first, QStringLiteral("b"));
    EXPECT_EQ(set.GetEntries(1).size(), 3u);
}

TEST_F(OrdersSheetRowsStyleSetTest, RestoreAfterEditing)
{
    const auto named = AddTextStyle(0x0000AA);
    OrdersSheetRowsStyleSet set;
    const QString key = QStringLiteral("k");

    set.GetStyleForPaint(0, key)->SetValue(StyleTextField::ParamBkColor, 0x000010);
    set.BeginEdit(0, key);
    EXPECT_EQ(set.GetStyle(0, key), nullptr) << "an entry edited without a saved id shows the sheet's style";
    set.GetStyleForPaint(0, key)->SetValue(StyleTextField::ParamBkColor, 0x000020);
    set.RestoreEdit(0, key);
    EXPECT_EQ(set.GetStyle(0, key)->GetValue(StyleTextField::ParamBkColor), 0x000010) << "without origin: the backup";

    set.SetStyle(0, key, named->GetId());
    set.BeginEdit(0, key);
    EXPECT_EQ(set.GetStyleId(0, key), named->GetId());
    set.SetStyle(0, key, OrdersSheetRowsStyleSet::kOwnStyleId);
    set.GetStyleForPaint(0, key)->SetValue(StyleTextField::ParamFontColor, 0x000030);
    set.RestoreEdit(0, key);
    EXPECT_EQ(set.GetStyleId(0, key), named->GetId());
    EXPECT_EQ(set.GetStyle(0, key)->GetValue(StyleTextField::ParamFontColor), 0x0000AA) << "with origin: the origin";

    // Another named style tried while editing does not stay: neither its id, its origin nor its
    // colours, and a colour the row had of its own comes back.
    const auto tried = AddTextStyle(0x0000BB);
    set.GetStyleForPaint(0, key)->SetValue(StyleTextField::ParamBkColor, 0x000050);
    set.BeginEdit(0, key);
    set.SetStyle(0, key, tried->GetId());
    EXPECT_EQ(set.GetStyleForPaint(0, key)->GetValue(StyleTextField::ParamFontColor), 0x0000BB);
    set.RestoreEdit(0, key);
    EXPECT_EQ(set.GetStyleId(0, key), named->GetId());
    EXPECT_EQ(set.GetEntry(0, key, false)->originStyle, named);
    EXPECT_EQ(set.GetStyle(0, key)->GetValue(StyleTextField::ParamFontColor), 0x0000AA);
    EXPECT_EQ(set.GetStyle(0, key)->GetValue(StyleTextField::ParamBkColor), 0x000050);

    set.BeginEdit(0, key);
    set.GetStyleForPaint(0, key)->SetValue(StyleTextField::ParamFontColor, 0x000040);
    set.EndEdit(0, key);
    EXPECT_EQ(set.GetStyle(0, key)->GetValue(StyleTextField::ParamFontColor), 0x000040) << "ending keeps the edit";
}

TEST_F(OrdersSheetRowsStyleSetTest, CopyIsIndependent)
{
    OrdersSheetRowsStyleSet set;
    set.GetStyleForPaint(1, QStringLiteral("k"))->SetValue(StyleTextField::ParamBkColor, 0x000001);
    OrdersSheetRowsStyleSet copy;
    copy.CopyFrom(set);
    set.GetStyleForPaint(1, QStringLiteral("k"))->SetValue(StyleTextField::ParamBkColor, 0x000002);
    EXPECT_EQ(copy.GetStyle(1, QStringLiteral("k"))->GetValue(StyleTextField::ParamBkColor), 0x000001);
}
}
