#include "StylesFixture.h"

#include "tests/support/GuiTestApplication.h"

#include "platform/settings/Settings.h"
#include "styles/engine/StyleKinds.h"
#include "styles/engine/StyleTable.h"
#include "styles/engine/StyleTextField.h"
#include "styles/engine/StylesContainer.h"

#include <QDir>

namespace
{
const StyleType kKinds[] = {StyleTypes::TextField,    StyleTypes::Table,       StyleTypes::TransactionList,
                            StyleTypes::TransactionsMonitor, StyleTypes::Details, StyleTypes::Offers,
                            StyleTypes::ChartWindow,  StyleTypes::ChartElement, StyleTypes::Formation};
const StyleType kKindsWithRelations[] = {StyleTypes::Table,   StyleTypes::TransactionList, StyleTypes::TransactionsMonitor,
                                         StyleTypes::Details, StyleTypes::Offers,          StyleTypes::ChartWindow};

std::string KindName(const ::testing::TestParamInfo<StyleType>& info)
{
    return StyleKinds::TypeName(info.param).toStdString();
}

class StyleKindRoundTrip : public StylesFixture, public ::testing::WithParamInterface<StyleType>
{
};

using StyleRelationRoundTrip = StyleKindRoundTrip;
}

TEST_P(StyleKindRoundTrip, EveryParameterAndRelationSurvivesAFile)
{
    const std::shared_ptr<StyleBase> style = StyleKinds::Create(GetParam());
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->GetType(), GetParam());
    EXPECT_EQ(StyleKinds::Create(style->GetTypeName())->GetType(), GetParam());
    ChangeEveryParameter(*style, 1);
    style->SetName(QStringLiteral("Zielony \"test\" <ąę>"));
    style->SetChangedParameter(3);
    if (!style->GetRelationIds().empty())
        style->GetOwnStyle(style->GetRelationIds().front())->SetChangedParameter(2);

    Settings saved;
    style->Serialize(saved);
    const QString path = Folder(QStringLiteral("kinds")) + QStringLiteral("/style.xml");
    ASSERT_TRUE(saved.SaveToFile(path, QStringLiteral("Q4Style")));
    Settings read;
    ASSERT_TRUE(read.LoadFromFile(path, QStringLiteral("Q4Style")));
    const std::shared_ptr<StyleBase> loaded = StyleBase::LoadStyle(read);

    ASSERT_NE(loaded, nullptr);
    EXPECT_TRUE(SameStyle(*style, *loaded));
    EXPECT_EQ(loaded->GetId(), StyleBase::kOwnStyleId);
}

TEST_P(StyleRelationRoundTrip, RelationToANamedStyleSurvivesAFile)
{
    const std::shared_ptr<StyleBase> style = StyleKinds::Create(GetParam());
    ASSERT_FALSE(style->GetRelationIds().empty());
    const int relationId = style->GetRelationIds().back();
    const std::shared_ptr<StyleBase> named = style->GetOwnStyle(relationId)->Copy();
    named->SetName(QStringLiteral("Wspólny"));
    const int namedId = StylesContainer::Instance().AddStyle(named);
    ASSERT_TRUE(style->SetRelatedStyle(relationId, namedId, named->GetType()));

    Settings saved;
    style->Serialize(saved);
    const std::shared_ptr<StyleBase> loaded = StyleBase::LoadStyle(saved);

    EXPECT_EQ(loaded->GetRelatedStyle(relationId), named);
    EXPECT_TRUE(SameStyle(*style, *loaded));
}

TEST_P(StyleKindRoundTrip, PreviewHasItsSizeAndFollowsParameters)
{
    GuiTestApplication::Ensure();
    const std::shared_ptr<StyleBase> style = StyleKinds::Create(GetParam());
    const QImage before = style->Preview();
    EXPECT_EQ(before.size(), style->PreviewSize());
    ChangeEveryParameter(*style, 5);
    EXPECT_NE(style->Preview(), before);
}

INSTANTIATE_TEST_SUITE_P(AllKinds, StyleKindRoundTrip, ::testing::ValuesIn(kKinds), KindName);
INSTANTIATE_TEST_SUITE_P(KindsWithRelations, StyleRelationRoundTrip, ::testing::ValuesIn(kKindsWithRelations), KindName);

TEST(StyleKindsTest, RegistryRefusesTakenTypesAndNames)
{
    const auto creator = [] { return std::make_shared<StyleTable>(); };
    EXPECT_FALSE(StyleKinds::Register(StyleTypes::Table, QStringLiteral("AnotherName"), creator));
    EXPECT_FALSE(StyleKinds::Register(StyleTypes::SessionStatistics, StyleTable::TypeName, creator));
    EXPECT_FALSE(StyleKinds::Register(StyleTypes::SessionStatistics, QStringLiteral("Style"), {}));
    EXPECT_EQ(StyleKinds::Create(StyleTypes::SessionStatistics), nullptr);
    EXPECT_EQ(StyleKinds::Create(QStringLiteral("StyleUnknown")), nullptr);
}

TEST(StyleKindsTest, DefaultStyleComesFromTheKindsSourceWhenItGivesOne)
{
    const auto moduleStyle = std::make_shared<StyleTextField>();
    moduleStyle->SetName(QStringLiteral("Styl modułu"));
    std::shared_ptr<StyleBase> given;
    StyleKinds::SetDefaultStyleSource(StyleTextField::Type, [&] { return given; });

    EXPECT_TRUE(StyleTextField().DefaultStyle()->GetName().isEmpty());
    given = moduleStyle;
    EXPECT_EQ(StyleTextField().DefaultStyle(), moduleStyle);
    StyleKinds::SetDefaultStyleSource(StyleTextField::Type, {});
}
