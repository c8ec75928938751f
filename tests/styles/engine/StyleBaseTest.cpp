#include "StylesFixture.h"

#include "platform/settings/Settings.h"
#include "styles/engine/StyleChartElement.h"
#include "styles/engine/StyleChartWindow.h"
#include "styles/engine/StyleDefaults.h"
#include "styles/engine/StyleOffers.h"
#include "styles/engine/StyleTable.h"
#include "styles/engine/StyleTextField.h"
#include "styles/engine/StylesContainer.h"

using StyleBaseTest = StylesFixture;

namespace
{
std::shared_ptr<StyleBase> AddNamedText(const QString& name, qint32 fontColour)
{
    auto text = std::make_shared<StyleTextField>();
    text->SetName(name);
    text->SetValue(StyleTextField::ParamFontColor, fontColour);
    StylesContainer::Instance().AddStyle(text);
    return text;
}
}

TEST_F(StyleBaseTest, CopyIsIndependentDownToItsOwnRelatedStyles)
{
    auto table = std::make_shared<StyleTable>();
    table->SetName(QStringLiteral("Tabela"));
    StylesContainer::Instance().AddStyle(table);
    const std::shared_ptr<StyleBase> shared = AddNamedText(QStringLiteral("Wspólny"), 0x0000FF);
    table->SetRelatedStyle(StyleTable::RelationEven, shared->GetId(), StyleTextField::Type);

    const std::shared_ptr<StyleBase> copy = table->Copy();

    EXPECT_EQ(copy->GetId(), table->GetId());
    EXPECT_EQ(copy->GetGuid(), table->GetGuid());
    EXPECT_TRUE(SameStyle(*table, *copy));
    EXPECT_NE(copy->GetOwnStyle(StyleTable::RelationOdd), table->GetOwnStyle(StyleTable::RelationOdd));
    EXPECT_EQ(copy->GetRelatedStyle(StyleTable::RelationOdd), copy->GetOwnStyle(StyleTable::RelationOdd));
    EXPECT_EQ(copy->GetRelatedStyle(StyleTable::RelationEven), shared);

    copy->SetValue(StyleTable::ParamCursorColor, 0x123456);
    copy->GetOwnStyle(StyleTable::RelationOdd)->SetValue(StyleTextField::ParamBkColor, 0x654321);
    copy->SetName(QStringLiteral("Inna"));
    EXPECT_NE(table->GetValue(StyleTable::ParamCursorColor), 0x123456);
    EXPECT_NE(table->GetOwnStyle(StyleTable::RelationOdd)->GetValue(StyleTextField::ParamBkColor), 0x654321);
    EXPECT_EQ(table->GetName(), QStringLiteral("Tabela"));
}

TEST_F(StyleBaseTest, CopyFromKeepsIdentityAndTakesTheNameOnlyWhenAsked)
{
    auto target = std::make_shared<StyleTable>();
    target->SetName(QStringLiteral("Cel"));
    StylesContainer::Instance().AddStyle(target);
    const QUuid guid = target->GetGuid();
    StyleTable source;
    ChangeEveryParameter(source, 2);
    source.SetName(QStringLiteral("Źródło"));

    ASSERT_TRUE(target->CopyFrom(source, false));
    EXPECT_EQ(target->GetName(), QStringLiteral("Cel"));
    EXPECT_EQ(target->GetGuid(), guid);
    EXPECT_EQ(target->GetValue(StyleTable::ParamCursorColor), source.GetValue(StyleTable::ParamCursorColor));
    EXPECT_EQ(target->GetRelatedStyle(StyleTable::RelationOdd), target->GetOwnStyle(StyleTable::RelationOdd));

    ASSERT_TRUE(target->CopyFrom(source, true));
    EXPECT_TRUE(SameStyle(source, *target));
    EXPECT_FALSE(target->CopyFrom(StyleOffers(), true));
}

TEST_F(StyleBaseTest, RelatedStylesAreNamedStylesOrTheOwnCopy)
{
    StyleChartWindow chart;
    const int element = StylesContainer::Instance().AddStyle(std::make_shared<StyleChartElement>());
    const int text = AddNamedText(QStringLiteral("Tekst"), 0)->GetId();

    EXPECT_TRUE(chart.SetRelatedStyle(StyleChartWindow::RelationPriceSeries, element, StyleChartElement::Type));
    EXPECT_EQ(StyleBase::SafeGetId(chart.GetRelatedStyle(StyleChartWindow::RelationPriceSeries)), element);
    EXPECT_FALSE(chart.SetRelatedStyle(StyleChartWindow::RelationVolume, text, StyleChartElement::Type));
    EXPECT_FALSE(chart.SetRelatedStyle(StyleChartWindow::RelationVolume, 999, StyleChartElement::Type));
    EXPECT_FALSE(chart.SetRelatedStyle(99, element, StyleChartElement::Type));
    EXPECT_EQ(chart.GetRelatedStyle(99), nullptr);

    EXPECT_TRUE(chart.SetRelatedStyle(StyleChartWindow::RelationPriceSeries, StyleBase::kOwnStyleId,
                                      StyleChartElement::Type));
    EXPECT_EQ(chart.GetRelatedStyle(StyleChartWindow::RelationPriceSeries)->GetId(), StyleBase::kOwnStyleId);

    // A style the container does not keep is taken into the own copy, not shared.
    auto loose = std::make_shared<StyleChartElement>();
    loose->SetValue(StyleChartElement::ParamWidth, 7);
    chart.SetRelatedStyle(StyleChartWindow::RelationLop, loose);
    EXPECT_EQ(chart.GetRelatedStyle(StyleChartWindow::RelationLop), chart.GetOwnStyle(StyleChartWindow::RelationLop));
    EXPECT_EQ(chart.GetRelatedStyle(StyleChartWindow::RelationLop)->GetValue(StyleChartElement::ParamWidth), 7);
    // Another kind is refused.
    chart.SetRelatedStyle(StyleChartWindow::RelationLop, std::make_shared<StyleTextField>());
    EXPECT_EQ(chart.GetRelatedStyle(StyleChartWindow::RelationLop)->GetType(), StyleChartElement::Type);
}

TEST_F(StyleBaseTest, RelatedStylesMapAndOwnCopies)
{
    StyleTable table;
    const std::shared_ptr<StyleBase> shared = AddNamedText(QStringLiteral("Wspólny"), 0x0000FF);
    table.SetRelatedStyle(StyleTable::RelationOdd, shared->GetId(), StyleTextField::Type);

    StyleBase::RelatedStylesMap copies;
    table.CopyAllRelatedStylesToMap(copies, true);
    StyleBase::RelatedStylesMap originals;
    table.CopyAllRelatedStylesToMap(originals, false);
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(originals[StyleTable::RelationOdd], shared);
    EXPECT_NE(copies[StyleTable::RelationOdd], shared);
    EXPECT_EQ(copies[StyleTable::RelationOdd]->GetValue(StyleTextField::ParamFontColor), 0x0000FF);

    table.CopyRelatedStyleSettingsToOwn();
    const std::shared_ptr<StyleBase> own = table.GetOwnStyle(StyleTable::RelationOdd);
    EXPECT_EQ(own->GetValue(StyleTextField::ParamFontColor), 0x0000FF);
    EXPECT_EQ(own->GetSourceOriginalGuid(), shared->GetGuid());
    EXPECT_EQ(table.GetRelatedStyle(StyleTable::RelationOdd), shared);

    table.MakeRelatedStylesOwn();
    EXPECT_EQ(table.GetRelatedStyle(StyleTable::RelationOdd), own);
}

TEST_F(StyleBaseTest, ValuesFlagsAndObjectsKeepToTheirParameters)
{
    StyleTable table;
    table.SetValue(StyleTable::ParamHorizontalGrid, 5);
    EXPECT_EQ(table.GetValue(StyleTable::ParamHorizontalGrid), 1);
    table.SetValue(StyleTable::ParamColouringMode, 7);
    EXPECT_EQ(table.GetValue(StyleTable::ParamColouringMode), 7);
    table.SetValue(42, 3);
    EXPECT_EQ(table.GetValue(42), 0);
    EXPECT_EQ(table.GetValue(StyleTable::ParamGridPen), 0);

    const GdiObject pen = table.GetGdiObject(StyleTable::ParamGridPen);
    table.SetGdiObject(StyleTable::ParamGridPen, StyleDefaults::Font(-20));
    EXPECT_EQ(table.GetGdiObject(StyleTable::ParamGridPen), pen);
    EXPECT_TRUE(table.GetGdiObject(StyleTable::ParamCursorColor).IsEmpty());
}

TEST_F(StyleBaseTest, OwnStyleFollowsItsSourceOnlyInUnchangedParameters)
{
    StyleTable source;
    ChangeEveryParameter(source, 3);
    StyleTable own;
    own.SetValue(StyleTable::ParamCursorColor, 0x111111);
    own.SetChangedParameter(StyleTable::ParamCursorColor);
    own.GetOwnStyle(StyleTable::RelationOdd)->SetValue(StyleTextField::ParamFontColor, 0x222222);
    own.GetOwnStyle(StyleTable::RelationOdd)->SetChangedParameter(StyleTextField::ParamFontColor);

    own.UpdateChangedParameters(source);

    EXPECT_EQ(own.GetValue(StyleTable::ParamCursorColor), 0x111111);
    EXPECT_EQ(own.GetValue(StyleTable::ParamRowHighlightColor), source.GetValue(StyleTable::ParamRowHighlightColor));
    EXPECT_EQ(own.GetGdiObject(StyleTable::ParamGridPen), source.GetGdiObject(StyleTable::ParamGridPen));
    const auto ownOdd = own.GetOwnStyle(StyleTable::RelationOdd);
    const auto sourceOdd = source.GetOwnStyle(StyleTable::RelationOdd);
    EXPECT_EQ(ownOdd->GetValue(StyleTextField::ParamFontColor), 0x222222);
    EXPECT_EQ(ownOdd->GetValue(StyleTextField::ParamBkColor), sourceOdd->GetValue(StyleTextField::ParamBkColor));
    EXPECT_EQ(ownOdd->GetGdiObject(StyleTextField::ParamFont), sourceOdd->GetGdiObject(StyleTextField::ParamFont));
}

TEST_F(StyleBaseTest, UnreadableStoredValuesLeaveTheParameterAsItWas)
{
    StyleTable table;
    Settings node;
    table.Serialize(node);
    node[QStringLiteral("CursorColor")] = QStringLiteral("zielony");
    node[QStringLiteral("GridPen")] = QStringLiteral("0102");
    node[QStringLiteral("Animate")] = QStringLiteral("99999999999");
    node[QStringLiteral("RowHighlightColor")] = QStringLiteral("4294967295");
    node[QStringLiteral("OwnStyles")][QStringLiteral("OddElementsStyle")][QStringLiteral("Type")] =
        QStringLiteral("StyleChartElement");
    node[QStringLiteral("EvenElementsStyle")][QStringLiteral("StyleGuid")] = QStringLiteral("{nie-guid}");

    StyleTable read;
    read.SetValue(StyleTable::ParamCursorColor, 0x0A0B0C);
    read.Unserialize(node);

    EXPECT_EQ(read.GetValue(StyleTable::ParamCursorColor), 0x0A0B0C);
    EXPECT_EQ(read.GetGdiObject(StyleTable::ParamGridPen), table.GetGdiObject(StyleTable::ParamGridPen));
    EXPECT_EQ(read.GetValue(StyleTable::ParamAnimate), table.GetValue(StyleTable::ParamAnimate));
    EXPECT_EQ(read.GetValue(StyleTable::ParamRowHighlightColor), -1);
    EXPECT_TRUE(Warnings().contains(QStringLiteral("CursorColor")));
    EXPECT_TRUE(Warnings().contains(QStringLiteral("StyleChartElement")));
    EXPECT_EQ(read.GetRelatedStyle(StyleTable::RelationEven), read.GetOwnStyle(StyleTable::RelationEven));
}

TEST_F(StyleBaseTest, TextFieldWithoutBoldFontsAndItsModifiedState)
{
    StyleTextField text;
    EXPECT_FALSE(text.IsStyleModified());
    text.SetGdiObject(StyleTextField::ParamFont, StyleDefaults::Font(-11, LogFont::kWeightBold));
    EXPECT_TRUE(text.IsStyleModified());
    text.DisableBoldFontUsing();
    EXPECT_EQ(text.GetGdiObject(StyleTextField::ParamFont).Font()->lfWeight, LogFont::kWeightNormal);
    EXPECT_FALSE(text.IsStyleModified());
    text.SetChangedParameter(StyleTextField::ParamAlignment);
    EXPECT_TRUE(text.IsStyleModified());
}

TEST_F(StyleBaseTest, FontConversionGivesWindowsFacesTheirFreeFaces)
{
    StyleTextField text;
    LogFont windowsFont = StyleDefaults::Font(-11, LogFont::kWeightNormal, QStringLiteral("MS Shell Dlg 2"));
    text.SetGdiObject(StyleTextField::ParamFont, windowsFont);
    Settings node;
    text.Serialize(node);

    StyleTextField kept;
    kept.Unserialize(node);
    EXPECT_EQ(kept.GetGdiObject(StyleTextField::ParamFont).Font()->FaceName(), QStringLiteral("MS Shell Dlg 2"));

    StyleBase::EnableFontConversion(true);
    StyleTextField converted;
    converted.Unserialize(node);
    StyleBase::EnableFontConversion(false);
    const GdiObject font = converted.GetGdiObject(StyleTextField::ParamFont);
    EXPECT_EQ(font.Font()->FaceName(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(font.Font()->lfHeight, -11);
}
