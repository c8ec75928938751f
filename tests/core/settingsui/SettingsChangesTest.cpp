#include "FakeGeneralSettingsStyles.h"

#include "core/settings/GeneralSettingsNodes.h"
#include "core/settings/GeneralSettingsParameter.h"
#include "core/settings/GeneralSettingsParameterStyle.h"
#include "core/settingsui/ParameterPropertyGrid.h"
#include "core/settingsui/SettingsChanges.h"
#include "core/settingsui/StylesListPropertyGridItem.h"
#include "platform/base/AppPaths.h"
#include "platform/base/Cipher.h"
#include "platform/settings/SettingsAdditionalInfo.h"
#include "platform/toolkit/PropertyGridItemBool.h"
#include "platform/toolkit/PropertyGridItemColor.h"
#include "platform/toolkit/PropertyGridItemDate.h"
#include "platform/toolkit/PropertyGridItemDouble.h"
#include "platform/toolkit/PropertyGridItemEnum.h"
#include "platform/toolkit/PropertyGridItemFont.h"
#include "platform/toolkit/PropertyGridItemNumber.h"
#include "platform/toolkit/PropertyGridItemSize.h"
#include "platform/toolkit/PropertyGriditemPen.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace
{
// Rows made by the grid over nodes of a tree; each edit goes to the pending changes as the
// dialog hands it over.
class SettingsChangesTest : public ::testing::Test
{
protected:
    SettingsChangesTest()
    {
        QObject::connect(&grid, &PropertyGrid::ItemValueChanged, [this](PropertyGridItem* item) { changes.OnItemChanged(*item); });
        category = grid.AddCategory(QString());
    }

    Settings& Node(const char* key, EVariableTypes type, const QString& value = QString())
    {
        Settings& node = GeneralSettingsNodes::Describe(root[key], QString::fromUtf8(key), type);
        node = value;
        return node;
    }

    // The node's row as the grid makes it.
    template <class Item = PropertyGridItem>
    Item* Row(Settings& node)
    {
        return Row<Item>(std::make_shared<GeneralSettingsParameter>(node));
    }
    template <class Item = PropertyGridItem>
    Item* Row(std::shared_ptr<GeneralSettingsParameter> parameter)
    {
        std::unique_ptr<PropertyGridItem> item = grid.CreateItem(parameter);
        EXPECT_NE(dynamic_cast<Item*>(item.get()), nullptr);
        return dynamic_cast<Item*>(category->AddChildItem(std::move(item)));
    }

    TempHome home;
    Settings root;
    FakeGeneralSettingsStyles styles;
    ParameterPropertyGrid grid{&styles};
    SettingsChanges changes{&styles};
    PropertyGridItem* category = nullptr;
};
}

TEST_F(SettingsChangesTest, EveryTypeRoundTripsThroughItsNode)
{
    struct Case
    {
        const char* key;
        EVariableTypes type;
        const char* stored;
        std::function<bool(PropertyGridItem&)> edit;
    };
    LogFont font;
    font.SetFaceName(QStringLiteral("Arial"));
    font.lfHeight = -16;
    font.lfItalic = 1;
    LogPen pen;
    pen.lopnStyle = LogPen::kStyleDashDot;
    pen.lopnWidth.x = 3;
    pen.lopnColor = ColorRef::FromRgb(1, 2, 3);
    const Case cases[] = {
        {"colour", VariableColor, "0",
         [](PropertyGridItem& item) { return static_cast<PropertyGridItemColor&>(item).EditColor(ColorRef::FromRgb(9, 8, 7)); }},
        {"size", VariableSize, "1,1", [](PropertyGridItem& item) { return item.EditValue(QStringLiteral("640, 480")); }},
        {"number", VariableNumber, "25", [](PropertyGridItem& item) { return item.EditValue(QStringLiteral("-587")); }},
        {"limited", VariableLimitedNumber, "25", [](PropertyGridItem& item) { return item.EditValue(QStringLiteral("465")); }},
        {"real", VariableDouble, "1", [](PropertyGridItem& item) { return item.EditValue(QStringLiteral("0,125")); }},
        {"yes/no", VariableBool, "0", [](PropertyGridItem& item) { return item.EditValue(QStringLiteral("Tak")); }},
        {"text", VariableText, "a", [](PropertyGridItem& item) { return item.EditValue(QStringLiteral("smtp.example.com")); }},
        {"file", VariableFilePath, "", [](PropertyGridItem& item) { return item.EditValue(QStringLiteral("/dźwięki/kup.wav")); }},
        {"date and time", VariableDateTime, "",
         [](PropertyGridItem& item) { return item.EditValue(QStringLiteral("2024-03-15 14:30:05")); }},
        {"date", VariableDate, "", [](PropertyGridItem& item) { return item.EditValue(QStringLiteral("2024-03-15")); }},
        {"font", VariableFont, "",
         [&font](PropertyGridItem& item) { return static_cast<PropertyGridItemFont&>(item).EditFont(font); }},
        {"pen", VariablePen, "",
         [&pen](PropertyGridItem& item) { return static_cast<PropertyGriditemPen&>(item).EditPen(pen); }},
        {"password", VariablePassword, "", [](PropertyGridItem& item) { return item.EditValue(QStringLiteral("nowe hasło")); }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.key);
        Settings& node = Node(c.key, c.type, QString::fromUtf8(c.stored));
        PropertyGridItem* row = Row(node);
        ASSERT_NE(row, nullptr);
        ASSERT_TRUE(c.edit(*row));
        const QString shown = row->GetValue();
        EXPECT_EQ(node.ToString(), QString::fromUtf8(c.stored)) << "nothing is written before OK";
        EXPECT_TRUE(changes.ApplyAll().isEmpty());
        // The dialog opened again shows what was edited.
        EXPECT_EQ(Row(node)->GetValue(), shown);
    }
    EXPECT_EQ(root["font"].ToString().size(), 2 * LogFont::kByteSize);
    EXPECT_EQ(root["pen"].ToString().size(), 2 * LogPen::kByteSize);
    EXPECT_EQ(root["yes/no"].ToString(), QStringLiteral("1"));
    EXPECT_EQ(root["real"].ToDouble(), 0.125);
    EXPECT_NE(root["password"].ToString(), QStringLiteral("nowe hasło")) << "stored enciphered";
    EXPECT_EQ(Settings::DecryptValue(root["password"].ToString()), QStringLiteral("nowe hasło"));
}

TEST_F(SettingsChangesTest, LastEditOfANodeWins)
{
    Settings& port = Node("port", VariableNumber, QStringLiteral("25"));
    auto* row = Row<PropertyGridItemNumber>(port);
    row->EditNumber(465);
    row->EditNumber(587);
    EXPECT_EQ(changes.GetCount(), 1);
    EXPECT_TRUE(changes.IsPending(&port));
    changes.ApplyAll();
    EXPECT_EQ(port.ToInt(), 587);
    EXPECT_EQ(changes.GetCount(), 0);
}

TEST_F(SettingsChangesTest, UnchangedPasswordKeepsItsCipherText)
{
    const QString stored = Settings::CryptValue(QStringLiteral("stare"));
    Settings& password = Node("password", VariablePassword, stored);
    Settings& user = Node("user", VariableText, QStringLiteral("jan"));
    Row(password);
    Row(user)->EditValue(QStringLiteral("anna"));
    changes.ApplyAll();
    // Enciphering again would give another text for the same password.
    EXPECT_EQ(password.ToString(), stored);
    EXPECT_EQ(user.ToString(), QStringLiteral("anna"));
}

TEST_F(SettingsChangesTest, PasswordThatCannotBeEncipheredKeepsTheOldOne)
{
    // A key file of the wrong size leaves the cipher unusable.
    QDir().mkpath(AppPaths::AppDataFolder());
    QFile key(AppPaths::AppDataFolder() + QLatin1Char('/') + QString::fromLatin1(Cipher::kKeyFileName));
    ASSERT_TRUE(key.open(QIODevice::WriteOnly));
    key.write("short");
    key.close();

    Settings& password = Node("Hasło", VariablePassword);
    Row(password)->EditValue(QStringLiteral("nowe"));
    EXPECT_EQ(changes.ApplyAll(), QStringList{QStringLiteral("Hasło")});
    EXPECT_EQ(password.ToString(), QString());
}

TEST_F(SettingsChangesTest, ChosenOptionStoresItsValue)
{
    Settings& encryption = Node("encryption", VariableOptionList, QStringLiteral("0"));
    GeneralSettingsNodes::AddOption(encryption, QStringLiteral("brak szyfrowania"), 0u);
    GeneralSettingsNodes::AddOption(encryption, QStringLiteral("SSL/TLS"), 1u);
    GeneralSettingsNodes::AddOption(encryption, QStringLiteral("STARTTLS"), 2u);
    auto* row = Row<PropertyGridItemEnum>(encryption);
    EXPECT_TRUE(row->EditValue(QStringLiteral("STARTTLS")));
    EXPECT_EQ(row->GetEnum(), 2) << "the row's value is the option's index";
    changes.ApplyAll();
    EXPECT_EQ(encryption.ToUInt(), 2u);
}

TEST_F(SettingsChangesTest, ChosenStyleIsCopiedIntoTheOwnStyleNode)
{
    styles.kinds[4] = {{1, QStringLiteral("Klasyczny")}, {5, QStringLiteral("Ciemny")}};
    Settings& style = Node("style", VariableStyle, QStringLiteral("1"));
    root["ownStyle"]["old"] = QStringLiteral("x");
    auto* row = Row<PropertyGridItemEnum>(std::make_shared<GeneralSettingsParameterStyle>(style, 4, root["ownStyle"]));
    EXPECT_TRUE(row->EditEnum(5));
    changes.ApplyAll();
    EXPECT_EQ(style.ToInt(), 5);
    EXPECT_FALSE(root["ownStyle"].Exists(QStringLiteral("old"))) << "the own style is replaced, not merged";
    EXPECT_EQ(root["ownStyle"]["style"]["name"].ToString(), QStringLiteral("Ciemny"));

    // Without a source of styles only the id is stored.
    SettingsChanges alone;
    Settings& other = Node("other", VariableStyle, QStringLiteral("1"));
    root["otherOwn"]["old"] = QStringLiteral("x");
    ParameterPropertyGrid::StylesListPropertyGridItem item(
        std::make_shared<GeneralSettingsParameterStyle>(other, 4, root["otherOwn"]), &styles);
    item.SetItemData(&other);
    item.SetEnum(5);
    alone.OnItemChanged(item);
    alone.ApplyAll();
    EXPECT_EQ(other.ToInt(), 5);
    EXPECT_TRUE(root["otherOwn"].Exists(QStringLiteral("old")));
}

TEST_F(SettingsChangesTest, RowsWithoutANodeOrValueChangeNothing)
{
    PropertyGridItemNumber loose(QStringLiteral("Luźny"), 1);
    changes.OnItemChanged(loose);
    Settings& readOnly = Node("version", VariableReadOnlyText, QStringLiteral("4.2"));
    PropertyGridItem item(QStringLiteral("version"), QStringLiteral("5.0"));
    item.SetItemData(&readOnly);
    changes.OnItemChanged(item);
    // A row of another kind than the node's type shows.
    Settings& number = Node("number", VariableNumber, QStringLiteral("3"));
    PropertyGridItem text(QStringLiteral("number"), QStringLiteral("tekst"));
    text.SetItemData(&number);
    changes.OnItemChanged(text);
    EXPECT_EQ(changes.GetCount(), 0);

    Row(Node("host", VariableText))->EditValue(QStringLiteral("smtp"));
    changes.Clear();
    changes.ApplyAll();
    EXPECT_EQ(root["host"].ToString(), QString()) << "cleared edits are never written";
}

TEST_F(SettingsChangesTest, RowMadeAgainShowsThePendingValue)
{
    Settings& port = Node("port", VariableNumber, QStringLiteral("25"));
    Settings& password = Node("password", VariablePassword);
    Settings& encryption = Node("encryption", VariableOptionList, QStringLiteral("0"));
    GeneralSettingsNodes::AddOption(encryption, QStringLiteral("brak szyfrowania"), 0u);
    GeneralSettingsNodes::AddOption(encryption, QStringLiteral("STARTTLS"), 2u);
    Row(port)->EditValue(QStringLiteral("587"));
    Row(password)->EditValue(QStringLiteral("tajne"));
    Row(encryption)->EditValue(QStringLiteral("STARTTLS"));
    Settings& host = Node("host", VariableText, QStringLiteral("smtp"));

    QStringList rows;
    // The group is shown again: its rows are made from the nodes, which still hold the old values.
    for (Settings* node : {&port, &password, &encryption, &host})
    {
        const std::unique_ptr<PropertyGridItem> again = grid.CreateItem(std::make_shared<GeneralSettingsParameter>(*node));
        changes.ShowPendingValue(*again);
        rows.push_back(again->GetViewValue());
    }
    EXPECT_EQ(rows, (QStringList{QStringLiteral("587"), QStringLiteral("*****"), QStringLiteral("STARTTLS"),
                                 QStringLiteral("smtp")}));
    EXPECT_EQ(changes.GetCount(), 3) << "showing a pending value is no new edit";
    EXPECT_EQ(port.ToInt(), 25);
}
