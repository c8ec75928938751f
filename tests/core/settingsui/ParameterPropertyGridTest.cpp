#include "FakeGeneralSettingsStyles.h"

#include "core/settings/GeneralSettingsNodes.h"
#include "core/settings/GeneralSettingsParameter.h"
#include "core/settings/GeneralSettingsParameterStyle.h"
#include "core/settingsui/OptionListPropertyGridItem.h"
#include "core/settingsui/ParameterPropertyGrid.h"
#include "core/settingsui/StylesListPropertyGridItem.h"
#include "platform/base/BinaryStringSerializer.h"
#include "platform/settings/SettingsAdditionalInfo.h"
#include "platform/toolkit/PropertyGridItemBool.h"
#include "platform/toolkit/PropertyGridItemDateAndTime.h"
#include "platform/toolkit/PropertyGridItemFont.h"
#include "platform/toolkit/PropertyGridItemLimitedNumber.h"
#include "platform/toolkit/PropertyGridItemReadOnly.h"
#include "platform/toolkit/PropertyGridItemTime.h"
#include "platform/toolkit/PropertyGriditemFilePath.h"
#include "platform/toolkit/PropertyGriditemPen.h"
#include "tests/support/TempHome.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace
{
using Kind = PropertyGridItem::EditorKind;

// A node of the type and caption with an optional extra for the dialog.
Settings& Describe(Settings& node, int type, std::shared_ptr<Settings::NodeAdditionalInfo> info = nullptr)
{
    GeneralSettingsNodes::Describe(node, QStringLiteral("Parametr"), static_cast<EVariableTypes>(type));
    if (info)
        node.AdditionalInfo(std::move(info));
    return node;
}
}

TEST(ParameterPropertyGridTest, EachTypeGetsItsRow)
{
    TempHome home;
    struct Case
    {
        const char* name;
        int type;
        std::shared_ptr<Settings::NodeAdditionalInfo> info;
        const char* value;
        // Empty when the type has no row.
        std::function<bool(const PropertyGridItem&)> isExpected;
    };
    const auto kind = [](Kind expected) {
        return [expected](const PropertyGridItem& item) { return item.GetEditorKind() == expected && !item.IsReadOnly(); };
    };
    const auto limited = [](const PropertyGridItem& item) {
        const auto* number = dynamic_cast<const PropertyGridItemLimitedNumber*>(&item);
        return number && number->GetSmallestValue() == 1 && number->GetGreatestValue() == 60 && number->GetShowButtons() &&
               number->GetNumber() == 5;
    };
    const auto plainNumber = [](const PropertyGridItem& item) {
        return item.GetEditorKind() == Kind::Number && !dynamic_cast<const PropertyGridItemLimitedNumber*>(&item) &&
               item.GetValue() == QStringLiteral("5");
    };
    const auto time = [](bool withSeconds) {
        return [withSeconds](const PropertyGridItem& item) {
            const auto* time = dynamic_cast<const PropertyGridItemTime*>(&item);
            return time && time->IsWithSeconds() == withSeconds;
        };
    };
    const auto dateAndTime = [](const PropertyGridItem& item) {
        return dynamic_cast<const PropertyGridItemDateAndTime*>(&item) != nullptr;
    };
    const Case cases[] = {
        {"container", 0, nullptr, "", {}},
        {"colour", 1, nullptr, "255", kind(Kind::Color)},
        {"code 2", 2, nullptr, "", {}},
        {"size", 3, nullptr, "10,20", kind(Kind::Size)},
        {"number", 4, nullptr, "5", plainNumber},
        {"limited number without limits", 5, nullptr, "5", plainNumber},
        {"limited number", 5, std::make_shared<Settings::NumericNodeAdditionlInfo>(1, 60, true), "5", limited},
        {"number with a foreign extra", 5, std::make_shared<Settings::BooleanNodeAdditionlInfo>(true), "5", {}},
        {"real", 6, nullptr, "1.5", kind(Kind::Double)},
        {"yes/no", 7, nullptr, "1",
         [](const PropertyGridItem& item) {
             const auto* boolean = dynamic_cast<const PropertyGridItemBool*>(&item);
             return boolean && boolean->GetBool() && !boolean->IsCheckBoxStyle() && item.GetValue() == QStringLiteral("Tak");
         }},
        {"yes/no as a check box", 7, std::make_shared<Settings::BooleanNodeAdditionlInfo>(true), "0",
         [](const PropertyGridItem& item) {
             const auto* boolean = dynamic_cast<const PropertyGridItemBool*>(&item);
             return boolean && !boolean->GetBool() && boolean->IsCheckBoxStyle();
         }},
        {"yes/no with texts", 7,
         std::make_shared<Settings::BooleanNodeAdditionlInfo>(QStringLiteral("Włączony"), QStringLiteral("Wyłączony")), "1",
         [](const PropertyGridItem& item) { return item.GetValue() == QStringLiteral("Włączony"); }},
        {"text", 8, nullptr, "smtp", kind(Kind::Text)},
        {"read-only text", 9, nullptr, "4.2",
         [](const PropertyGridItem& item) { return item.IsReadOnly() && item.IsEditable() && item.GetValue() == QStringLiteral("4.2"); }},
        {"inactive text", 10, nullptr, "17",
         [](const PropertyGridItem& item) { return dynamic_cast<const PropertyGridItemReadOnly*>(&item) && !item.IsEditable(); }},
        {"file path", 11, nullptr, "/a.wav",
         [](const PropertyGridItem& item) {
             const auto* path = dynamic_cast<const PropertyGriditemFilePath*>(&item);
             return path && path->GetFilter().isEmpty() && path->GetValue() == QStringLiteral("/a.wav");
         }},
        {"file path with a filter", 11,
         std::make_shared<Settings::FilePathAdditionalInfo>(QStringLiteral("Dźwięki (*.wav)|*.wav||"), QStringLiteral("wav")),
         "/a.wav",
         [](const PropertyGridItem& item) {
             const auto* path = dynamic_cast<const PropertyGriditemFilePath*>(&item);
             return path && path->GetFilter() == QStringLiteral("Dźwięki (*.wav)|*.wav||") &&
                    path->GetExtension() == QStringLiteral("wav");
         }},
        {"code 12", 12, nullptr, "", {}},
        {"code 13", 13, nullptr, "", {}},
        {"date and time", 14, nullptr, "45000.5", dateAndTime},
        {"date and time, form 1", 14, std::make_shared<Settings::DateTimeAdditionlInfo>(1), "45000.5", dateAndTime},
        {"time, form 2", 14, std::make_shared<Settings::DateTimeAdditionlInfo>(2), "45000.5", time(true)},
        {"time, form 3", 14, std::make_shared<Settings::DateTimeAdditionlInfo>(3), "45000.5", time(false)},
        {"date", 15, nullptr, "45000", kind(Kind::Date)},
        {"font", 16, nullptr, "", kind(Kind::Font)},
        {"pen", 17, nullptr, "", kind(Kind::Pen)},
        {"code 18", 18, nullptr, "", {}},
        {"style outside a style parameter", 20, nullptr, "3", {}},
        {"code 22", 22, nullptr, "", {}},
    };
    ParameterPropertyGrid grid;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        Settings root;
        Settings& node = Describe(root["key"], c.type, c.info);
        node = QString::fromUtf8(c.value);
        const std::unique_ptr<PropertyGridItem> item = grid.CreateItem(std::make_shared<GeneralSettingsParameter>(node));
        if (!c.isExpected)
        {
            EXPECT_EQ(item, nullptr);
            continue;
        }
        ASSERT_NE(item, nullptr);
        EXPECT_TRUE(c.isExpected(*item));
        EXPECT_EQ(item->GetCaption(), QStringLiteral("Parametr"));
        EXPECT_EQ(std::any_cast<Settings*>(item->GetItemData()), &node) << "the row carries its node";
    }
}

TEST(ParameterPropertyGridTest, NoRowForAnInvalidOrNamelessNode)
{
    ParameterPropertyGrid grid;
    Settings root;
    root["nameless"] = QStringLiteral("x");
    EXPECT_EQ(grid.CreateItem(std::make_shared<GeneralSettingsParameter>(root["nameless"])), nullptr);
    EXPECT_EQ(grid.CreateItem(std::make_shared<GeneralSettingsParameter>(Settings::InvalidVariable())), nullptr);
    EXPECT_EQ(grid.CreateItem(nullptr), nullptr);
}

TEST(ParameterPropertyGridTest, PasswordShowsDecipheredAndMasked)
{
    TempHome home;
    ParameterPropertyGrid grid;
    Settings root;
    Settings& node = Describe(root["password"], VariablePassword);
    node = Settings::CryptValue(QStringLiteral("tajne"));
    const std::unique_ptr<PropertyGridItem> item = grid.CreateItem(std::make_shared<GeneralSettingsParameter>(node));
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->IsPassword());
    EXPECT_EQ(item->GetValue(), QStringLiteral("tajne"));
    EXPECT_EQ(item->GetViewValue(), QStringLiteral("*****"));
}

TEST(ParameterPropertyGridTest, ChoicesFollowTheOptionListAndTheStyles)
{
    Settings root;
    Settings& encryption = Describe(root["encryption"], VariableOptionList);
    GeneralSettingsNodes::AddOption(encryption, QStringLiteral("brak szyfrowania"), 0u);
    GeneralSettingsNodes::AddOption(encryption, QStringLiteral("SSL/TLS"), 1u);
    GeneralSettingsNodes::AddOption(encryption, QStringLiteral("STARTTLS"), 2u);
    encryption = 7u;
    GeneralSettingsNodes::SelectCurrentOptionByNumber(encryption);

    FakeGeneralSettingsStyles styles;
    styles.kinds[4] = {{1, QStringLiteral("Klasyczny")}, {5, QStringLiteral("Ciemny")}};
    ParameterPropertyGrid grid(&styles);

    const auto option = grid.CreateItem(std::make_shared<GeneralSettingsParameter>(encryption));
    const auto* list = dynamic_cast<const ParameterPropertyGrid::OptionListPropertyGridItem*>(option.get());
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->GetConstraints().size(), 3u);
    EXPECT_EQ(list->GetConstraints()[2].caption, QStringLiteral("STARTTLS"));
    EXPECT_EQ(list->GetConstraints()[2].data, 2);
    EXPECT_EQ(list->GetValue(), QStringLiteral("brak szyfrowania")) << "a value no option has shows the first";

    Settings& styleNode = Describe(root["style"], VariableStyle);
    styleNode = 5;
    auto parameter = std::make_shared<GeneralSettingsParameterStyle>(styleNode, 4, root["ownStyle"]);
    const auto style = grid.CreateItem(parameter);
    const auto* styleList = dynamic_cast<const ParameterPropertyGrid::StylesListPropertyGridItem*>(style.get());
    ASSERT_NE(styleList, nullptr);
    EXPECT_EQ(styleList->GetConstraints().size(), 2u);
    EXPECT_EQ(styleList->GetValue(), QStringLiteral("Ciemny"));
    EXPECT_EQ(&styleList->GetParameter(), parameter.get());
}

TEST(ParameterPropertyGridTest, ContainersBecomeOpenCategories)
{
    Settings root;
    GeneralSettingsNodes::Describe(root["proxy"], QStringLiteral("Serwer aktualizacji"), VariableContainer);
    GeneralSettingsNodes::Describe(root["proxy"]["Port"], QStringLiteral("Port"), VariableNumber);
    GeneralSettingsNodes::Describe(root["proxy"]["inner"], QStringLiteral("Uwierzytelnianie"), VariableContainer);
    GeneralSettingsNodes::Describe(root["proxy"]["inner"]["User"], QStringLiteral("Użytkownik"), VariableText);
    GeneralSettingsNodes::Describe(root["separator"], QStringLiteral("Separator"), VariableText);
    GeneralSettingsNodes::Describe(root["hidden"], QString(), VariableText);

    auto inner = std::make_shared<GeneralSettingsParameter>(root["proxy"]["inner"]);
    inner->AddSubParameter(QStringLiteral("User"));
    auto proxy = std::make_shared<GeneralSettingsParameter>(root["proxy"]);
    proxy->AddSubParameter(QStringLiteral("Port"));
    proxy->AttachParameter(inner);
    GeneralSettingsParametersContainer container;
    container.AttachParameter(proxy);
    container.AttachParameter(root["separator"]);
    container.AttachParameter(root["hidden"]);

    ParameterPropertyGrid grid;
    PropertyGridItem* top = grid.AddCategory(QString());
    grid.FillCategory(*top, container);
    grid.ExpandAll();

    QStringList rows;
    grid.ForEachItem([&rows](PropertyGridItem& item) {
        rows.append(QStringLiteral("%1%2%3").arg(item.IsCategory() ? QStringLiteral("[") : QString(), item.GetCaption(),
                                                 item.IsExpanded() ? QStringLiteral("+") : QString()));
    });
    EXPECT_EQ(rows, (QStringList{QStringLiteral("[+"), QStringLiteral("[Serwer aktualizacji+"), QStringLiteral("Port"),
                                 QStringLiteral("[Uwierzytelnianie+"), QStringLiteral("Użytkownik"),
                                 QStringLiteral("Separator")}));
}
