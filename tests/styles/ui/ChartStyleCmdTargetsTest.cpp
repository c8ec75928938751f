#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/RibbonComboBoxControl.h"
#include "platform/toolkit/RibbonEditControl.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/NotifyInfo.h"
#include "styles/engine/StyleChartElement.h"
#include "styles/engine/StyleChartWindow.h"
#include "styles/engine/StyleDefaults.h"
#include "styles/engine/StyleDetails.h"
#include "styles/engine/StyleFormation.h"
#include "styles/engine/StyleOffers.h"
#include "styles/engine/StylesContainer.h"
#include "styles/ui/CmdTargetEditChartElementStyle.h"
#include "styles/ui/CmdTargetEditChartWindowStyle.h"
#include "styles/ui/CmdTargetEditDetailsStyle.h"
#include "styles/ui/CmdTargetEditFormationStyle.h"
#include "styles/ui/CmdTargetEditOffersStyle.h"
#include "styles/ui/StyleEditCmdHelper.h"
#include "styles/ui/StyleEditModeHandler.h"
#include "platform/toolkit/CommandBars.h"
#include "platform/toolkit/RibbonImageManager.h"
#include "tests/styles/ui/StyleEditBench.h"
#include "tests/support/styles/FakeStyleEditHost.h"
#include "tests/support/ui/TestApplication.h"

#include <gtest/gtest.h>

#include <QString>

#include <functional>
#include <memory>
#include <vector>

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

CmdUI Update(CmdTarget& target, std::uint32_t id)
{
    CmdUI cmdUI(id, nullptr);
    target.UpdateCommandUI(cmdUI);
    return cmdUI;
}

// Sends the gallery notification of the command with the colour item hovered or chosen (none
// hovered when the pointer left the gallery).
bool SendColour(CmdTarget& target, std::uint32_t id, std::int32_t colour, int code = NotifyCodes::Execute)
{
    GalleryControl gallery(id);
    gallery.AddItem(static_cast<std::uint32_t>(colour), QStringLiteral("kolor"));
    gallery.SetSelectedItem(code == NotifyCodes::GalleryPreviewCancel ? -1 : 0);
    NotifyInfo info(id, code, &gallery);
    return target.SendNotify(info);
}

// The plain values of a style's parameter table.
std::vector<qint32> Values(const StyleBase& style)
{
    std::vector<qint32> values;
    for (int id = 0; id < 40; ++id)
        values.push_back(style.GetValue(id));
    return values;
}

using MakeTarget = std::function<std::shared_ptr<CmdTarget>(const std::shared_ptr<StyleBase>&)>;

struct ColourCase
{
    std::uint32_t id;
    int parameter;
};

// Every colour command writes its own parameter and nothing else; both discard ids put the
// session's first state back.
void RunColourCases(Bench& bench, StyleType kind, const MakeTarget& make, std::initializer_list<ColourCase> cases,
                    std::initializer_list<std::uint32_t> discardIds)
{
    for (const std::uint32_t discard : discardIds)
    {
        for (const ColourCase& entry : cases)
        {
            SCOPED_TRACE(testing::Message() << "id " << entry.id << " discard " << discard);
            std::shared_ptr<StyleBase> style = StyleBase::CreateStyleFromType(kind);
            style->SetValue(entry.parameter, kGreen);
            const std::vector<qint32> before = Values(*style);
            std::shared_ptr<CmdTarget> target = make(style);
            GalleryControl shown(entry.id);
            const auto checked = [&] {
                CmdUI cmdUI(entry.id, &shown);
                target->UpdateCommandUI(cmdUI);
                EXPECT_TRUE(cmdUI.Enabled());
                return static_cast<std::int32_t>(shown.GetCheckedItem());
            };
            EXPECT_EQ(checked(), kGreen);
            ASSERT_TRUE(SendColour(*target, entry.id, kRed));
            EXPECT_EQ(style->GetValue(entry.parameter), kRed);
            EXPECT_EQ(checked(), kRed);
            style->SetValue(entry.parameter, kGreen);
            EXPECT_EQ(Values(*style), before) << "another parameter changed";
            ASSERT_TRUE(SendColour(*target, entry.id, kRed));
            ASSERT_TRUE(target->ExecuteCommand(discard));
            EXPECT_EQ(style->GetValue(entry.parameter), kGreen);
            EXPECT_EQ(checked(), kGreen);
        }
    }
    (void)bench;
}
}

TEST(ChartStyleCmdTargetsTest, ChartWindowColoursWriteTheirParameters)
{
    Bench bench;
    using W = StyleChartWindow;
    RunColourCases(bench, W::Type,
                   [&](const std::shared_ptr<StyleBase>& style) {
                       return std::make_shared<CmdTargetEditChartWindowStyle>(style, bench.handler, nullptr);
                   },
                   {{33330, W::ParamSignificantGridColor}, {33323, W::ParamBkColor}, {33312, W::ParamHeaderFontColor},
                    {33313, W::ParamHeaderFontColorRise}, {33314, W::ParamHeaderFontColorFall},
                    {33332, W::ParamLabelFontColor}, {33333, W::ParamLabelFontColorRise},
                    {33334, W::ParamLabelFontColorFall}, {33335, W::ParamLabelBkColorRise},
                    {33336, W::ParamLabelBkColorFall}, {33464, W::ParamIndicatorColor}, {33621, W::ParamMarkersColor},
                    {33626, W::ParamBuyAlertColor}, {33628, W::ParamSellAlertColor},
                    {33623, W::ParamSeriesHighlightColor}, {33592, W::ParamFirstIndicatorColor},
                    {33593, W::ParamFirstIndicatorColor + 1}, {33594, W::ParamFirstIndicatorColor + 2},
                    {33595, W::ParamFirstIndicatorColor + 3}, {33597, W::ParamFirstIndicatorColor + 4},
                    {33596, W::ParamFirstIndicatorColor + 5}},
                   {33339, 33463});
}

TEST(ChartStyleCmdTargetsTest, ChartElementAndFormationColoursWriteTheirParameters)
{
    Bench bench;
    using E = StyleChartElement;
    RunColourCases(bench, E::Type,
                   [&](const std::shared_ptr<StyleBase>& style) {
                       return std::make_shared<CmdTargetEditChartElementStyle>(style, bench.handler, nullptr);
                   },
                   {{33349, E::ParamLineColor}, {33351, E::ParamRiseFrameColor}, {33352, E::ParamFallFrameColor},
                    {33353, E::ParamRiseCandleColor}, {33354, E::ParamFallCandleColor}},
                   {33358, 33463});
    using F = StyleFormation;
    RunColourCases(bench, F::Type,
                   [&](const std::shared_ptr<StyleBase>& style) {
                       return std::make_shared<CmdTargetEditFormationStyle>(style, bench.handler, nullptr);
                   },
                   {{33649, F::ParamTextColor}, {33650, F::ParamLabelTextColor}, {33651, F::ParamLabelBkColor},
                    {33659, F::ParamLabelFrameColor}, {33658, F::ParamConnectorColor}, {33646, F::ParamFillColor}},
                   {33654, 33463});
}

// A hovered colour shows in the edited style and leaving the gallery puts the working copy's
// value back; the alert colours change only when chosen.
TEST(ChartStyleCmdTargetsTest, PreviewsShowAndCancelExceptTheAlertColours)
{
    Bench bench;
    auto style = StyleBase::CreateStyleFromType(StyleChartWindow::Type);
    style->SetValue(StyleChartWindow::ParamBkColor, kGreen);
    style->SetValue(StyleChartWindow::ParamBuyAlertColor, kGreen);
    CmdTargetEditChartWindowStyle target(style, bench.handler, nullptr);
    SendColour(target, 33323, kRed, NotifyCodes::GalleryPreviewChange);
    EXPECT_EQ(style->GetValue(StyleChartWindow::ParamBkColor), kRed);
    SendColour(target, 33323, kRed, NotifyCodes::GalleryPreviewCancel);
    EXPECT_EQ(style->GetValue(StyleChartWindow::ParamBkColor), kGreen);
    SendColour(target, 33626, kRed, NotifyCodes::GalleryPreviewChange);
    EXPECT_EQ(style->GetValue(StyleChartWindow::ParamBuyAlertColor), kGreen);
}

TEST(ChartStyleCmdTargetsTest, ChartWindowChecksToggleTheirParameters)
{
    Bench bench;
    using W = StyleChartWindow;
    const std::pair<std::uint32_t, int> checks[] = {
        {33315, W::ParamColourLabels}, {33317, W::ParamHorizontalGrid}, {33318, W::ParamVerticalGrid}};
    for (const auto& [id, parameter] : checks)
    {
        SCOPED_TRACE(id);
        auto style = StyleBase::CreateStyleFromType(W::Type);
        style->SetValue(parameter, 0);
        CmdTargetEditChartWindowStyle target(style, bench.handler, nullptr);
        EXPECT_EQ(Update(target, id).Checked(), 0);
        ASSERT_TRUE(target.ExecuteCommand(id));
        EXPECT_EQ(style->GetValue(parameter), 1);
        EXPECT_EQ(Update(target, id).Checked(), 1);
        ASSERT_TRUE(target.ExecuteCommand(33339));
        EXPECT_EQ(style->GetValue(parameter), 0);
    }
}

// Without an active chart (closed while editing, or the chart library gone) every target is made,
// edited and left without touching one.
TEST(ChartStyleCmdTargetsTest, TargetsWorkWithoutAnActiveChart)
{
    Bench bench;
    bool asked = false;
    const auto none = [&asked]() -> ActiveObjectsContainer* {
        asked = true;
        return nullptr;
    };
    {
        auto element = StyleBase::CreateStyleFromType(StyleChartElement::Type);
        CmdTargetEditChartElementStyle target(element, bench.handler, none);
        EXPECT_TRUE(SendColour(target, 33349, kRed));
        EXPECT_TRUE(target.ExecuteCommand(33359));
    }
    auto formation = StyleBase::CreateStyleFromType(StyleFormation::Type);
    CmdTargetEditFormationStyle target(formation, bench.handler, none);
    EXPECT_TRUE(SendColour(target, 33646, kRed));
    EXPECT_EQ(formation->GetValue(StyleFormation::ParamFillColor), kRed);
    EXPECT_TRUE(asked);
}

// The radio pair writes the choice; each row group writes only its own related style.
TEST(ChartStyleCmdTargetsTest, DetailsAndOffersChoicesAndRowGroups)
{
    Bench bench;
    struct RowsCase
    {
        StyleType kind;
        std::uint32_t choiceOne;
        std::uint32_t choiceZero;
        int choice;
        std::vector<std::pair<int, std::uint32_t>> firstColourOfRelation;
        std::uint32_t discard;
    };
    const RowsCase cases[] = {
        {StyleDetails::Type, 32951, 32952, StyleDetails::ParamChoice,
         {{StyleDetails::RelationOdd, 33162}, {StyleDetails::RelationEven, 33172}}, 33153},
        {StyleOffers::Type, 32935, 32936, StyleOffers::ParamChoice,
         {{StyleOffers::RelationPriceRow, 33185}, {StyleOffers::RelationOdd, 33210}, {StyleOffers::RelationEven, 33220}},
         33201},
    };
    for (const RowsCase& entry : cases)
    {
        SCOPED_TRACE(entry.choiceOne);
        auto style = StyleBase::CreateStyleFromType(entry.kind);
        std::shared_ptr<CmdTarget> target;
        if (entry.kind == StyleDetails::Type)
            target = std::make_shared<CmdTargetEditDetailsStyle>(style, bench.handler, nullptr);
        else
            target = std::make_shared<CmdTargetEditOffersStyle>(style, bench.handler, nullptr);
        ASSERT_TRUE(target->ExecuteCommand(entry.choiceOne));
        EXPECT_EQ(style->GetValue(entry.choice), 1);
        EXPECT_EQ(Update(*target, entry.choiceOne).Checked(), 1);
        EXPECT_EQ(Update(*target, entry.choiceZero).Checked(), 0);
        ASSERT_TRUE(target->ExecuteCommand(entry.choiceZero));
        EXPECT_EQ(style->GetValue(entry.choice), 0);

        std::vector<std::vector<qint32>> before;
        for (const auto& [relation, id] : entry.firstColourOfRelation)
            before.push_back(Values(*style->GetRelatedStyle(relation)));
        for (std::size_t changed = 0; changed < entry.firstColourOfRelation.size(); ++changed)
        {
            const auto& [relation, id] = entry.firstColourOfRelation[changed];
            ASSERT_TRUE(SendColour(*target, id, kRed));
            EXPECT_EQ(style->GetRelatedStyle(relation)->GetValue(2), kRed) << relation;
            for (std::size_t other = changed + 1; other < entry.firstColourOfRelation.size(); ++other)
                EXPECT_EQ(Values(*style->GetRelatedStyle(entry.firstColourOfRelation[other].first)), before[other])
                    << entry.firstColourOfRelation[other].first;
        }
        ASSERT_TRUE(target->ExecuteCommand(entry.discard));
        for (std::size_t index = 0; index < before.size(); ++index)
            EXPECT_EQ(Values(*style->GetRelatedStyle(entry.firstColourOfRelation[index].first)), before[index]);
    }
}

// "Zapisz w ustawieniach" is offered only for a style of the container and hands its id over.
TEST(ChartStyleCmdTargetsTest, SaveInSettingsNeedsAStoredStyle)
{
    Bench bench;
    for (const auto& [kind, id] : {std::pair{StyleDetails::Type, 33154u}, std::pair{StyleOffers::Type, 33202u}})
    {
        SCOPED_TRACE(id);
        int saved = 0;
        const auto keep = [&saved](int styleId) { saved = styleId; };
        auto own = StyleBase::CreateStyleFromType(kind);
        std::shared_ptr<CmdTarget> ownTarget;
        if (kind == StyleDetails::Type)
            ownTarget = std::make_shared<CmdTargetEditDetailsStyle>(own, bench.handler, keep);
        else
            ownTarget = std::make_shared<CmdTargetEditOffersStyle>(own, bench.handler, keep);
        EXPECT_EQ(Update(*ownTarget, id).Enabled(), false);

        auto stored = StyleBase::CreateStyleFromType(kind);
        stored->SetName(QStringLiteral("Zapisany"));
        StylesContainer::Instance().AddStyle(stored);
        std::shared_ptr<CmdTarget> storedTarget;
        if (kind == StyleDetails::Type)
            storedTarget = std::make_shared<CmdTargetEditDetailsStyle>(stored, bench.handler, keep);
        else
            storedTarget = std::make_shared<CmdTargetEditOffersStyle>(stored, bench.handler, keep);
        EXPECT_EQ(Update(*storedTarget, id).Enabled(), true);
        ASSERT_TRUE(storedTarget->ExecuteCommand(id));
        EXPECT_EQ(saved, stored->GetId());
        StylesContainer::Instance().RemoveStyle(stored->GetId());
    }
}

namespace
{
// The controls the pen, font, name, width and line-type commands are shown in and chosen with.
enum class Control
{
    PenColour,
    PenType,
    PenWidth,
    FontName,
    FontSize,
    Name,
    LineType,
    Width,
};

struct ControlCase
{
    StyleType kind;
    std::uint32_t id;
    Control control;
    int parameter;
    std::uint32_t discard;
};

const QStringList kFaces = {QStringLiteral("Arial"), QStringLiteral("Courier New"), QStringLiteral("Tahoma")};

// What the style holds for the case, as text.
QString Held(const StyleBase& style, const ControlCase& entry)
{
    const GdiObject object = style.GetGdiObject(entry.parameter);
    const LogPen* pen = object.Pen();
    const LogFont* font = object.Font();
    switch (entry.control)
    {
    case Control::PenColour:
        return pen ? QString::number(pen->lopnColor.Value()) : QString();
    case Control::PenType:
        return pen ? QString::number(pen->lopnStyle) : QString();
    case Control::PenWidth:
        return pen ? QString::number(pen->lopnWidth.x) : QString();
    case Control::FontName:
        return font ? font->FaceName() : QString();
    case Control::FontSize:
        return font ? QString::number(StyleEditCmdHelper::FontHeightToPoints(font->lfHeight)) : QString();
    case Control::Name:
        return style.GetName();
    case Control::LineType:
    case Control::Width:
        return QString::number(style.GetValue(entry.parameter));
    }
    return {};
}

// The control as the ribbon builds it, with the case's first value in the style.
std::unique_ptr<RibbonControl> MakeControl(StyleBase& style, const ControlCase& entry)
{
    switch (entry.control)
    {
    case Control::PenColour:
    {
        style.SetGdiObject(entry.parameter, StyleDefaults::Pen(LogPen::kStyleSolid, 1, kGreen));
        auto gallery = std::make_unique<GalleryControl>(entry.id);
        gallery->AddItem(static_cast<std::uint32_t>(kRed), QStringLiteral("kolor"));
        gallery->AddItem(static_cast<std::uint32_t>(kGreen), QStringLiteral("kolor"));
        return gallery;
    }
    case Control::PenType:
    case Control::PenWidth:
    case Control::LineType:
    {
        style.SetGdiObject(entry.parameter, StyleDefaults::Pen(LogPen::kStyleSolid, 1, kGreen));
        if (entry.control == Control::LineType)
            style.SetValue(entry.parameter, 0);
        auto combo = std::make_unique<RibbonComboBoxControl>(entry.id);
        for (int item = 0; item < 7; ++item)
            combo->AddItem(QString::number(item));
        return combo;
    }
    case Control::FontName:
    case Control::FontSize:
    {
        style.SetGdiObject(entry.parameter, StyleDefaults::Font(StyleEditCmdHelper::PointsToFontHeight(10),
                                                               LogFont::kWeightNormal, kFaces[0]));
        auto combo = std::make_unique<RibbonComboBoxControl>(entry.id);
        if (entry.control == Control::FontName)
            for (const QString& face : kFaces)
                combo->AddItem(face);
        else
            for (const int size : StyleEditCmdHelper::kFontSizes)
                combo->AddItem(QString::number(size), size);
        return combo;
    }
    case Control::Name:
    case Control::Width:
        if (entry.control == Control::Name)
            style.SetName(QStringLiteral("Przed zmianą"));
        else
            style.SetValue(entry.parameter, 3);
        return std::make_unique<RibbonEditControl>(entry.id);
    }
    return nullptr;
}

// Chooses the case's second value in the control; returns what the style then holds.
QString Choose(RibbonControl& control, const ControlCase& entry)
{
    auto* combo = qobject_cast<RibbonComboBoxControl*>(&control);
    auto* edit = qobject_cast<RibbonEditControl*>(&control);
    switch (entry.control)
    {
    case Control::PenColour:
        static_cast<GalleryControl&>(control).SetSelectedItem(0);
        return QString::number(kRed);
    case Control::PenType:
    case Control::LineType:
        combo->SetCurSel(2);
        return QStringLiteral("2");
    case Control::PenWidth:
        combo->SetCurSel(3);
        return QStringLiteral("4");
    case Control::FontName:
        combo->SetCurSel(1);
        combo->SetEditText(kFaces[1]);
        return kFaces[1];
    case Control::FontSize:
        combo->SetCurSel(7);
        return QString::number(StyleEditCmdHelper::kFontSizes[7]);
    case Control::Name:
        edit->SetEditText(QStringLiteral("Po zmianie"));
        return edit->GetEditText();
    case Control::Width:
        edit->SetEditText(QStringLiteral("7"));
        return edit->GetEditText();
    }
    return {};
}

// What the control shows after an update.
QString Shown(RibbonControl& control, const ControlCase& entry)
{
    auto* combo = qobject_cast<RibbonComboBoxControl*>(&control);
    auto* edit = qobject_cast<RibbonEditControl*>(&control);
    switch (entry.control)
    {
    case Control::PenColour:
        return QString::number(static_cast<GalleryControl&>(control).GetCheckedItem());
    case Control::PenType:
    case Control::LineType:
        return QString::number(combo->GetCurSel());
    case Control::PenWidth:
        return QString::number(combo->GetCurSel() + StyleEditCmdHelper::kMinPenWidth);
    case Control::FontName:
        return combo->GetCurSel() >= 0 ? combo->GetItem(combo->GetCurSel()).caption : QString();
    case Control::FontSize:
        return combo->GetCurSel() >= 0 ? QString::number(StyleEditCmdHelper::kFontSizes[std::size_t(combo->GetCurSel())])
                                       : QString();
    case Control::Name:
    case Control::Width:
        return edit->GetEditText();
    }
    return {};
}

std::shared_ptr<CmdTarget> MakeChartTarget(StyleType kind, const std::shared_ptr<StyleBase>& style,
                                           StyleEditModeHandler& handler)
{
    if (kind == StyleChartWindow::Type)
        return std::make_shared<CmdTargetEditChartWindowStyle>(style, handler, nullptr);
    if (kind == StyleChartElement::Type)
        return std::make_shared<CmdTargetEditChartElementStyle>(style, handler, nullptr);
    return std::make_shared<CmdTargetEditFormationStyle>(style, handler, nullptr);
}
}

// Every pen, font, name, width and line-type command: the control shows the style's value, a
// choice writes it and shows it, and "Odrzuć" puts the first value back in style and control.
TEST(ChartStyleCmdTargetsTest, ControlCommandsShowWriteAndUndo)
{
    Bench bench;
    using W = StyleChartWindow;
    using E = StyleChartElement;
    using F = StyleFormation;
    const ControlCase cases[] = {
        {W::Type, 33319, Control::PenColour, W::ParamGridPen, 33339},
        {W::Type, 33320, Control::PenType, W::ParamGridPen, 33339},
        {W::Type, 33321, Control::PenWidth, W::ParamGridPen, 33463},
        {W::Type, 33310, Control::FontName, W::ParamHeaderFont, 33339},
        {W::Type, 33311, Control::FontSize, W::ParamHeaderFont, 33339},
        {W::Type, 33328, Control::FontName, W::ParamAxisFont, 33463},
        {W::Type, 33329, Control::FontSize, W::ParamAxisFont, 33339},
        {W::Type, 33337, Control::Name, 0, 33339},
        {E::Type, 33347, Control::Width, E::ParamWidth, 33358},
        {E::Type, 33350, Control::LineType, E::ParamLineType, 33463},
        {E::Type, 33356, Control::Name, 0, 33358},
        {F::Type, 33640, Control::PenColour, F::ParamBaseLinePen, 33654},
        {F::Type, 33642, Control::PenType, F::ParamBaseLinePen, 33654},
        {F::Type, 33644, Control::PenWidth, F::ParamBaseLinePen, 33463},
        {F::Type, 33641, Control::PenColour, F::ParamExtensionPen, 33654},
        {F::Type, 33643, Control::PenType, F::ParamExtensionPen, 33463},
        {F::Type, 33645, Control::PenWidth, F::ParamExtensionPen, 33654},
        {F::Type, 33647, Control::FontName, F::ParamFont, 33654},
        {F::Type, 33648, Control::FontSize, F::ParamFont, 33463},
        {F::Type, 33653, Control::Name, 0, 33654},
    };
    for (const ControlCase& entry : cases)
    {
        SCOPED_TRACE(testing::Message() << "id " << entry.id);
        std::shared_ptr<StyleBase> style = StyleBase::CreateStyleFromType(entry.kind);
        std::unique_ptr<RibbonControl> control = MakeControl(*style, entry);
        const QString before = Held(*style, entry);
        const std::vector<qint32> values = Values(*style);
        std::shared_ptr<CmdTarget> target = MakeChartTarget(entry.kind, style, bench.handler);

        CmdUI shownBefore(entry.id, control.get());
        target->UpdateCommandUI(shownBefore);
        EXPECT_TRUE(shownBefore.Enabled());
        EXPECT_EQ(Shown(*control, entry), before);

        const QString after = Choose(*control, entry);
        ASSERT_NE(after, before);
        NotifyInfo info(entry.id, NotifyCodes::Execute, control.get());
        ASSERT_TRUE(target->SendNotify(info));
        EXPECT_EQ(Held(*style, entry), after);
        CmdUI shownAfter(entry.id, control.get());
        target->UpdateCommandUI(shownAfter);
        EXPECT_EQ(Shown(*control, entry), after);

        ASSERT_TRUE(target->ExecuteCommand(entry.discard));
        EXPECT_EQ(Held(*style, entry), before);
        EXPECT_EQ(Values(*style), values);
        CmdUI shownUndone(entry.id, control.get());
        target->UpdateCommandUI(shownUndone);
        EXPECT_EQ(Shown(*control, entry), before);
    }
}

TEST(ChartStyleCmdTargetsTest, EachIndicatorColourButtonShowsItsColour)
{
    StyleEditBench bench;
    using W = StyleChartWindow;
    const std::shared_ptr<StyleBase> style = StyleBase::CreateStyleFromType(W::Type);
    for (int i = 0; i < 6; ++i)
        style->SetValue(W::ParamFirstIndicatorColor + i, kGreen);
    const RibbonImageManager& images = bench.Ribbon().GetCommandBars()->GetImageManager();
    const auto shown = [&images](std::uint32_t id) {
        return images.Icon(id, RibbonImageManager::kSmall).pixmap(16, 16).toImage().pixelColor(7, 7);
    };
    const std::uint32_t ids[] = {33592, 33593, 33594, 33595, 33597, 33596};
    {
        const auto target = std::make_shared<CmdTargetEditChartWindowStyle>(style, bench.handler, nullptr);
        for (const std::uint32_t id : ids)
        {
            EXPECT_TRUE(images.HasCustomIcon(id)) << id;
            EXPECT_EQ(shown(id), QColor(0, 255, 0)) << id;
        }
        ASSERT_TRUE(SendColour(*target, 33597, kRed));
        EXPECT_EQ(shown(33597), QColor(255, 0, 0));
        EXPECT_EQ(shown(33596), QColor(0, 255, 0));
    }
    // The editing over, the buttons give their swatches up.
    for (const std::uint32_t id : ids)
        EXPECT_FALSE(images.HasCustomIcon(id)) << id;
}
