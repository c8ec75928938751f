#include "StylesFixture.h"

#include "platform/base/ColorRef.h"
#include "platform/settings/Settings.h"
#include "styles/engine/IDefaultStyleProvider.h"
#include "styles/engine/ObjectWithStyle.h"
#include "styles/engine/StyleTable.h"
#include "styles/engine/StyleTextField.h"
#include "styles/engine/StylesContainer.h"

namespace
{
class TableModule : public IDefaultStyleProvider, public ObjectWithStyle
{
public:
    TableModule()
        : ObjectWithStyle(static_cast<const IDefaultStyleProvider&>(*this), StyleTable::Type)
    {
    }

    std::shared_ptr<StyleBase> DefaultStyle() const override { return defaultStyle; }
    void OnStyleChanged() override { ++styleChanges; }
    // The odd rows' text style is the style's part 1, as a module's commands address it.
    std::shared_ptr<StyleBase> GetStyleToEdit(const std::shared_ptr<StyleBase>& style, int part) const override
    {
        if (part == 1 && style)
            return style->GetRelatedStyle(StyleTable::RelationOdd);
        return ObjectWithStyle::GetStyleToEdit(style, part);
    }

    std::shared_ptr<StyleBase> defaultStyle = std::make_shared<StyleTable>();
    int styleChanges = 0;
};

class ObjectWithStyleTest : public StylesFixture
{
protected:
    ObjectWithStyleTest()
    {
        named->SetName(QStringLiteral("Nazwany"));
        named->SetValue(StyleTable::ParamCursorColor, 0x000011);
        StylesContainer::Instance().AddStyle(named);
        other->SetName(QStringLiteral("Inny"));
        StylesContainer::Instance().AddStyle(other);
    }

    std::shared_ptr<StyleBase> named = std::make_shared<StyleTable>();
    std::shared_ptr<StyleBase> other = std::make_shared<StyleTable>();
    TableModule module;
};
}

TEST_F(ObjectWithStyleTest, FollowsANamedStyleOrTheModulesDefault)
{
    EXPECT_EQ(module.StyleId(false), 0);
    EXPECT_EQ(module.Style(), module.defaultStyle);

    module.UpdateStyle(named->GetId());
    EXPECT_EQ(module.Style(), named);
    EXPECT_EQ(module.StyleId(false), named->GetId());

    module.UpdateStyle(999);
    EXPECT_EQ(module.StyleId(false), 0);
    module.defaultStyle.reset();
    EXPECT_EQ(module.Style()->GetType(), StyleTable::Type);
    EXPECT_EQ(module.styleChanges, 2);
}

TEST_F(ObjectWithStyleTest, PreviewIsAppliedOrCancelled)
{
    module.UpdateStyle(named->GetId());
    module.OnPreviewStyleChanged(other->GetId());
    EXPECT_EQ(module.Style(), other);
    EXPECT_EQ(module.StyleId(true), other->GetId());
    EXPECT_EQ(module.StyleId(false), named->GetId());

    module.CancelPreviewStyle();
    EXPECT_EQ(module.Style(), named);

    module.OnPreviewStyleChanged(other->GetId());
    module.ApplyPreviewStyle();
    EXPECT_EQ(module.StyleId(true), other->GetId());
    EXPECT_EQ(module.StyleId(false), other->GetId());
}

TEST_F(ObjectWithStyleTest, ChangingAParameterMakesAnOwnStyleThatKeepsFollowingItsSource)
{
    module.UpdateStyle(named->GetId());
    module.ChangeDSParam(0, StyleTable::ParamRowHighlightColor, 0x00AA00);
    module.ChangeDSParam(1, StyleTextField::ParamFontColor, 0x0000BB);

    const auto own = module.Style();
    EXPECT_EQ(module.StyleId(false), StyleBase::kOwnStyleId);
    EXPECT_EQ(own->GetId(), StyleBase::kOwnStyleId);
    EXPECT_EQ(own->GetSourceOriginalGuid(), named->GetGuid());
    EXPECT_EQ(module.GetSourceStyle(), named);
    EXPECT_EQ(own->GetValue(StyleTable::ParamRowHighlightColor), 0x00AA00);
    EXPECT_TRUE(own->IsChangedParameter(StyleTable::ParamRowHighlightColor));
    EXPECT_EQ(own->GetRelatedStyle(StyleTable::RelationOdd)->GetValue(StyleTextField::ParamFontColor), 0x0000BB);
    // The named style is not touched.
    EXPECT_NE(named->GetValue(StyleTable::ParamRowHighlightColor), 0x00AA00);

    // The style's own value gives the parameter back to the source.
    named->SetValue(StyleTable::ParamRowHighlightColor, 0x000077);
    module.ChangeDSParam(0, StyleTable::ParamRowHighlightColor, qint32(ColorRef::kStyleOwnValue));
    EXPECT_EQ(own->GetValue(StyleTable::ParamRowHighlightColor), 0x000077);
    EXPECT_FALSE(own->IsChangedParameter(StyleTable::ParamRowHighlightColor));

    module.DSRestore();
    EXPECT_EQ(module.Style(), named);
    EXPECT_EQ(module.GetOwnStyle(), nullptr);
}

TEST_F(ObjectWithStyleTest, OwnStyleRoundTripsAndPicksUpLaterChangesOfItsSource)
{
    module.UpdateStyle(named->GetId());
    module.ChangeDSParam(0, StyleTable::ParamRowHighlightColor, 0x00AA00);
    Settings node;
    module.SerialiseStyles(node, false);

    named->SetValue(StyleTable::ParamCursorColor, 0x000099);
    named->SetValue(StyleTable::ParamRowHighlightColor, 0x000099);
    TableModule reopened;
    reopened.UnserialiseStyles(node);

    const auto own = reopened.Style();
    EXPECT_EQ(reopened.StyleId(false), StyleBase::kOwnStyleId);
    EXPECT_EQ(own->GetValue(StyleTable::ParamRowHighlightColor), 0x00AA00);
    EXPECT_EQ(own->GetValue(StyleTable::ParamCursorColor), 0x000099);
    EXPECT_EQ(reopened.styleChanges, 1);
}

TEST_F(ObjectWithStyleTest, NamedStyleRoundTripsByGuidAndFallsBackToTheEmbeddedCopy)
{
    module.UpdateStyle(named->GetId());
    Settings plain;
    module.SerialiseStyles(plain, false);
    Settings embedded;
    module.SerialiseStyles(embedded, true);
    EXPECT_FALSE(plain.Exists(QStringLiteral("StyleOwn")));

    TableModule reopened;
    reopened.UnserialiseStyles(plain);
    EXPECT_EQ(reopened.Style(), named);

    // On a computer without the named style the embedded copy is shown; without one, the default.
    StylesContainer::Instance().RemoveStyle(named->GetId());
    TableModule elsewhere;
    elsewhere.UnserialiseStyles(embedded);
    EXPECT_EQ(elsewhere.StyleId(false), StyleBase::kOwnStyleId);
    EXPECT_EQ(elsewhere.Style()->GetValue(StyleTable::ParamCursorColor), 0x000011);
    TableModule bare;
    bare.UnserialiseStyles(plain);
    EXPECT_EQ(bare.StyleId(false), 0);
    EXPECT_EQ(bare.Style(), bare.defaultStyle);
}
