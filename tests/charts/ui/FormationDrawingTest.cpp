#include "charts/ui/FormationCmdTargetsCollection.h"
#include "charts/ui/FormationCommandIds.h"
#include "modulelibs/chart/ChartLayout.h"
#include "modulelibs/chart/ChartModuleConsumer.h"
#include "modulelibs/chart/ChartStyles.h"
#include "modulelibs/chart/ChartWindow.h"
#include "modulelibs/chart/FormationPainter.h"
#include "modulelibs/chart/FormationShapes.h"
#include "platform/modules/PluginBase.h"
#include "platform/settings/Settings.h"
#include "styles/engine/StyleDefaults.h"
#include "styles/engine/StyleFormation.h"
#include "styles/engine/StylesContainer.h"
#include "tests/support/SimFeedProvider.h"
#include "tests/support/ui/TestApplication.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>

#include <map>

#include <gtest/gtest.h>

using namespace FormationCommandIds;
using P = FormationParam;

namespace
{

// The simulated market as the running provider, with its history.
class HistoryProvider : public SimFeedProvider
{
public:
    bool GetHistoryBars(const Asset& asset, int barSeconds, int count, std::vector<PriceBar>& bars) const override
    {
        return const_cast<HistoryProvider*>(this)->Feed().GetHistoryBars(asset, barSeconds, count, bars);
    }
};

class RunningMediator : public SimFeedMediator
{
public:
    using SimFeedMediator::SimFeedMediator;
    ProviderBase* GetRunningProvider(const QString&) override { return GetDefaultProvider(); }
};

class FormationDrawingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        PluginBase::Init(&m_mediator);
        m_provider.Step(30);
        const Asset asset = m_provider.GetAllAssets().at(0);
        m_chart = new ChartWindow(m_consumer,
                                  ChartDocument::Standard(m_provider.GetName(), asset.GetShortName(), asset.GetMarket(),
                                                          DataRequestParams(DataRequestParams::kMinute, 1, 200),
                                                          ShowedRange(0, 80), 3),
                                  nullptr);
        m_chart->resize(900, 600);
        ASSERT_TRUE(m_chart->LoadData());
        // Live transactions extend the history.
        m_provider.Step(120);
        QCoreApplication::processEvents();
        ASSERT_GT(m_chart->Bars().Count(), 20);
        m_consumer.SetActiveChart(m_chart);
    }
    void TearDown() override
    {
        delete m_chart;
        PluginBase::NullifyAppMediator();
    }

    void Mouse(QEvent::Type type, QPoint point, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, point, m_chart->mapToGlobal(point), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(m_chart, &event);
    }
    void Drag(QPoint from, QPoint to)
    {
        Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
        Mouse(QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
        Mouse(QEvent::MouseMove, to, Qt::LeftButton);
        Mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
    }
    const ChartDocument& Document() const { return m_chart->Document(); }
    std::vector<FormationShape> Shapes(const ChartFormation& formation) const
    {
        const ChartLayout layout(Document(), m_chart->Bars(), m_chart->rect());
        const ChartLayout::ViewArea* view = FormationPainter::ViewOf(Document(), layout, formation);
        return view ? FormationShapes(layout, *view, m_chart->Bars()).Shapes(formation, false) : std::vector<FormationShape>();
    }

    HistoryProvider m_provider;
    RunningMediator m_mediator{&m_provider};
    ChartModuleConsumer m_consumer;
    FormationCmdTargetsCollection m_targets{&m_consumer};
    ChartWindow* m_chart = nullptr;
};

}

namespace
{
const QColor kMagenta(255, 0, 255);
const QColor kCyan(0, 255, 255);

// A stored formation style whose base line is drawn three pixels wide in the colour.
std::shared_ptr<StyleBase> StoredFormationStyle(const QColor& colour)
{
    auto style = StyleFormation::CreateInstance();
    style->SetGdiObject(StyleFormation::ParamBaseLinePen,
                        StyleDefaults::Pen(LogPen::kStyleSolid, 3, StyleDefaults::Rgb(colour.red(), colour.green(), colour.blue())));
    StylesContainer::Instance().AddStyle(style);
    return style;
}

int PixelsOf(const QImage& image, const QColor& colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y).rgb() == colour.rgb() ? 1 : 0;
    return count;
}
}

// A drawn line shows its stored style as it is now: a pen edited in the style shows at the next
// repaint, a style previewed on the selected line shows until cancelled, and a chosen one stays.
TEST_F(FormationDrawingTest, ADrawnLineFollowsItsStoredStyle)
{
    const std::shared_ptr<StyleBase> own = StoredFormationStyle(kMagenta);
    const std::shared_ptr<StyleBase> other = StoredFormationStyle(kCyan);
    m_consumer.DefaultFormationStyle(own->GetId());
    m_targets.ExecuteCommand(33522);
    Drag({250, 220}, {450, 140});
    ASSERT_EQ(Document().formations.size(), 1u);
    EXPECT_EQ(Document().formations[0].styleId, own->GetId());
    const auto shown = [this] { return m_chart->grab().toImage(); };
    EXPECT_GT(PixelsOf(shown(), kMagenta), 100);

    own->SetGdiObject(StyleFormation::ParamBaseLinePen, StyleDefaults::Pen(LogPen::kStyleSolid, 3, StyleDefaults::Rgb(0, 255, 255)));
    QImage image = shown();
    EXPECT_EQ(PixelsOf(image, kMagenta), 0);
    EXPECT_GT(PixelsOf(image, kCyan), 100);
    own->SetGdiObject(StyleFormation::ParamBaseLinePen, StyleDefaults::Pen(LogPen::kStyleSolid, 3, StyleDefaults::Rgb(255, 0, 255)));

    ActiveObjectsContainer* active = m_consumer.GetActiveObjects();
    ASSERT_NE(active, nullptr);
    active->OnChangeStyle(3, other->GetId());
    EXPECT_EQ(active->GetActiveElementStyleId(3), other->GetId());
    EXPECT_GT(PixelsOf(shown(), kCyan), 100);
    active->OnCancelStyle();
    EXPECT_EQ(PixelsOf(shown(), kCyan), 0);
    active->OnChangeStyle(3, other->GetId());
    active->OnApplyStyle();
    EXPECT_EQ(Document().formations[0].styleId, other->GetId());
    EXPECT_EQ(PixelsOf(shown(), kMagenta), 0);

    StylesContainer::Instance().RemoveStyle(own->GetId());
    StylesContainer::Instance().RemoveStyle(other->GetId());
}

// A base-line colour chosen for the selected line is previewed on it alone, kept with it (not by
// the chart) when applied, comes back from the window file, and "Domyślny" or a restore gives the
// line its style's colour again.
TEST_F(FormationDrawingTest, AColourChosenForTheSelectedLineStaysWithThatLine)
{
    constexpr int kFormations = 3;
    constexpr int kBaseLineColour = 11;
    const int cyan = StyleDefaults::Rgb(0, 255, 255);
    const std::shared_ptr<StyleBase> own = StoredFormationStyle(kMagenta);
    m_consumer.DefaultFormationStyle(own->GetId());
    for (const int y : {100, 260})
    {
        m_targets.ExecuteCommand(33522);
        Drag({250, y}, {450, y + 40});
    }
    ASSERT_EQ(Document().formations.size(), 2u);
    ASSERT_EQ(Document().activeFormation, 1);
    ActiveObjectsContainer* active = m_consumer.GetActiveObjects();
    ASSERT_NE(active, nullptr);
    const auto shown = [this] { return m_chart->grab().toImage(); };
    EXPECT_EQ(active->GetCbsParams(kFormations, kBaseLineColour), StyleDefaults::Rgb(255, 0, 255));

    active->ChangeCbsParams(kFormations, kBaseLineColour, cyan);
    EXPECT_GT(PixelsOf(shown(), kCyan), 100);
    EXPECT_GT(PixelsOf(shown(), kMagenta), 100);
    active->CancelCbsParams();
    EXPECT_EQ(PixelsOf(shown(), kCyan), 0);

    active->ChangeCbsParams(kFormations, kBaseLineColour, cyan);
    active->ApplyCbsParams();
    EXPECT_EQ(Document().formations[1].display, (std::map<int, int>{{kBaseLineColour, cyan}}));
    EXPECT_TRUE(Document().formations[0].display.empty());
    EXPECT_FALSE(Document().appliedParams.contains({kFormations, kBaseLineColour}));
    EXPECT_EQ(active->GetCbsParams(kFormations, kBaseLineColour), cyan);
    const QImage image = shown();
    EXPECT_GT(PixelsOf(image, kCyan), 100);
    EXPECT_GT(PixelsOf(image, kMagenta), 100);

    Settings node;
    Document().Save(node);
    ChartDocument loaded;
    ASSERT_TRUE(loaded.Load(node));
    ASSERT_EQ(loaded.formations.size(), 2u);
    EXPECT_EQ(loaded.formations[1].display, Document().formations[1].display);
    EXPECT_TRUE(loaded.formations[0].display.empty());

    active->ChangeCbsParams(kFormations, kBaseLineColour, ActiveObjectsContainer::kStyleValue);
    EXPECT_EQ(PixelsOf(shown(), kCyan), 0);
    active->ApplyCbsParams();
    EXPECT_TRUE(Document().formations[1].display.empty());
    active->ChangeCbsParams(kFormations, kBaseLineColour, cyan);
    active->ApplyCbsParams();
    active->CbsRestore(kFormations);
    EXPECT_TRUE(Document().formations[1].display.empty());
    EXPECT_EQ(PixelsOf(shown(), kCyan), 0);

    StylesContainer::Instance().RemoveStyle(own->GetId());
}

// A width or line style kept with a line is drawn over its style's: wider is more of its colour,
// dotted is less.
TEST_F(FormationDrawingTest, ALinesOwnWidthAndLineStyleAreDrawn)
{
    const std::shared_ptr<StyleBase> own = StoredFormationStyle(kMagenta);
    m_consumer.DefaultFormationStyle(own->GetId());
    m_targets.ExecuteCommand(33522);
    Drag({250, 100}, {450, 140});
    ASSERT_EQ(Document().formations.size(), 1u);
    auto& display = const_cast<ChartDocument&>(Document()).formations[0].display;
    const auto drawn = [this] { return PixelsOf(m_chart->grab().toImage(), kMagenta); };
    const int styled = drawn();
    display[ChartStyles::kBaseLineWidth] = 7;
    EXPECT_GT(drawn(), styled);
    display.clear();
    display[ChartStyles::kBaseLineStyle] = 2;
    EXPECT_LT(drawn(), styled);
    StylesContainer::Instance().RemoveStyle(own->GetId());
}

TEST_F(FormationDrawingTest, EveryToolDrawsItsKindWithTheMouseAndDisarms)
{
    const QPoint from(250, 220);
    const QPoint to(450, 140);
    for (const ToolKind& tool : kToolKinds)
    {
        if (tool.kind == P::kEraser)
            continue;
        ASSERT_TRUE(m_targets.ExecuteCommand(tool.id));
        ASSERT_EQ(m_consumer.FormationToTurnOn(), tool.kind);
        const std::size_t before = Document().formations.size();
        if (ChartFormation::PointCount(tool.kind) == 1)
        {
            Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
            Mouse(QEvent::MouseButtonRelease, from, Qt::NoButton);
        }
        else
            Drag(from, to);
        ASSERT_EQ(Document().formations.size(), before + 1) << tool.kind;
        const ChartFormation& drawn = Document().formations.back();
        EXPECT_EQ(drawn.type, tool.kind);
        EXPECT_EQ(Document().activeFormation, static_cast<int>(before));
        EXPECT_EQ(m_consumer.FormationToTurnOn(), P::kNoTool) << tool.kind;
        EXPECT_FALSE(Shapes(drawn).empty()) << tool.kind;
    }

    // Every drawn formation comes back from the window file.
    Settings node;
    Document().Save(node);
    ChartDocument loaded;
    ASSERT_TRUE(loaded.Load(node));
    ASSERT_EQ(loaded.formations.size(), Document().formations.size());
    for (std::size_t i = 0; i < loaded.formations.size(); ++i)
        EXPECT_EQ(loaded.formations[i].type, Document().formations[i].type);
}

TEST_F(FormationDrawingTest, ADrawnRetracementIsSelectedMovedByItsBodyAndReshapedByItsHandle)
{
    m_targets.ExecuteCommand(33533);
    Drag({200, 300}, {500, 120});
    ASSERT_EQ(Document().formations.size(), 1u);
    const std::vector<FormationPoint> drawn = Document().formations[0].points;

    // A click beside it selects nothing; a click on its dashed trend line selects it.
    Mouse(QEvent::MouseButtonPress, {700, 500}, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, {700, 500}, Qt::NoButton);
    EXPECT_EQ(Document().activeFormation, -1);
    Drag({350, 210}, {350, 230});
    ASSERT_EQ(Document().activeFormation, 0);
    const std::vector<FormationPoint>& moved = Document().formations[0].points;
    EXPECT_DOUBLE_EQ(moved[0].time, drawn[0].time);
    EXPECT_LT(moved[0].value, drawn[0].value);
    EXPECT_NEAR(moved[0].value - drawn[0].value, moved[1].value - drawn[1].value, 1e-9);

    // The handle of the second point moves that point only.
    const std::vector<FormationPoint> before = Document().formations[0].points;
    Drag({500, 140}, {560, 100});
    const std::vector<FormationPoint>& reshaped = Document().formations[0].points;
    EXPECT_DOUBLE_EQ(reshaped[0].value, before[0].value);
    EXPECT_GT(reshaped[1].value, before[1].value);
    EXPECT_GT(reshaped[1].time, before[1].time);
}

TEST_F(FormationDrawingTest, AClickWithoutADragDrawsNothingAndTheEraserRemovesWhatItHits)
{
    m_targets.ExecuteCommand(33543);
    Mouse(QEvent::MouseButtonPress, {300, 300}, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, {300, 300}, Qt::NoButton);
    EXPECT_TRUE(Document().formations.empty());
    EXPECT_EQ(m_consumer.FormationToTurnOn(), P::kGannFan);

    Drag({300, 300}, {400, 200});
    ASSERT_EQ(Document().formations.size(), 1u);
    m_targets.ExecuteCommand(33521);
    Mouse(QEvent::MouseButtonPress, {100, 500}, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, {100, 500}, Qt::NoButton);
    EXPECT_EQ(Document().formations.size(), 1u);
    // The 1x1 line of the fan runs through its second point.
    Mouse(QEvent::MouseButtonPress, {350, 250}, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, {350, 250}, Qt::NoButton);
    EXPECT_TRUE(Document().formations.empty());
    EXPECT_EQ(m_consumer.FormationToTurnOn(), P::kEraser);
}

TEST_F(FormationDrawingTest, EscapeOrTheRightButtonPutsTheToolDownAndDropsWhatWasBeingDrawn)
{
    m_targets.ExecuteCommand(33533);
    Mouse(QEvent::MouseButtonPress, {200, 300}, Qt::LeftButton);
    Mouse(QEvent::MouseMove, {400, 200}, Qt::LeftButton);
    ASSERT_EQ(Document().formations.size(), 1u);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(m_chart, &escape);
    Mouse(QEvent::MouseButtonRelease, {400, 200}, Qt::NoButton);
    EXPECT_TRUE(Document().formations.empty());
    EXPECT_EQ(m_consumer.FormationToTurnOn(), P::kNoTool);

    m_targets.ExecuteCommand(33543);
    QMouseEvent right(QEvent::MouseButtonPress, QPointF(300, 300), m_chart->mapToGlobal(QPointF(300, 300)), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(m_chart, &right);
    EXPECT_EQ(m_consumer.FormationToTurnOn(), P::kNoTool);
    EXPECT_TRUE(Document().formations.empty());
}

TEST_F(FormationDrawingTest, TheAutomaticModePutsPointsOnTheCloseOfTheBarUnderThePointer)
{
    m_targets.ExecuteCommand(ID_MODE_AUTO);
    m_targets.ExecuteCommand(33522);
    Drag({300, 50}, {420, 500});
    ASSERT_EQ(Document().formations.size(), 1u);
    const ChartLayout layout(Document(), m_chart->Bars(), m_chart->rect());
    const PriceBar& bar = m_chart->Bars().At(layout.BarAt(300));
    EXPECT_DOUBLE_EQ(Document().formations[0].points[0].value, bar.close);
    EXPECT_DOUBLE_EQ(Document().formations[0].points[0].time, bar.time.ToDayCount());
}

// A line's name label is drawn in its style's label colours, or in those set on the line.
TEST_F(FormationDrawingTest, TheNameLabelIsDrawnInItsLabelColours)
{
    m_targets.ExecuteCommand(33522);
    Drag({250, 300}, {450, 340});
    ASSERT_EQ(Document().formations.size(), 1u);
    auto& formation = const_cast<ChartDocument&>(Document()).formations[0];
    ASSERT_TRUE(formation.Set(P::ShowLabel, true));
    const QImage styled = m_chart->grab().toImage();
    const struct
    {
        int parameter;
        QColor colour;
    } cases[] = {
        {StyleFormation::ParamLabelTextColor, QColor(0, 200, 0)},
        {StyleFormation::ParamLabelBkColor, QColor(255, 255, 0)},
        {StyleFormation::ParamLabelFrameColor, QColor(255, 0, 0)},
        {StyleFormation::ParamConnectorColor, QColor(128, 0, 255)},
    };
    for (const auto& entry : cases)
    {
        SCOPED_TRACE(entry.parameter);
        EXPECT_EQ(PixelsOf(styled, entry.colour), 0);
        formation.display = {{entry.parameter, StyleDefaults::Rgb(entry.colour.red(), entry.colour.green(), entry.colour.blue())}};
        EXPECT_GT(PixelsOf(m_chart->grab().toImage(), entry.colour), 0);
    }
    // A larger text size set on the line makes a larger label.
    const QColor yellow(255, 255, 0);
    formation.display = {{StyleFormation::ParamLabelBkColor, StyleDefaults::Rgb(255, 255, 0)}};
    const int small = PixelsOf(m_chart->grab().toImage(), yellow);
    formation.display[ChartStyles::kFontSize] = 22;
    EXPECT_GT(PixelsOf(m_chart->grab().toImage(), yellow), small * 3 / 2);
    formation.display.clear();
    ASSERT_TRUE(formation.Set(P::ShowLabel, false));
    formation.display = {{StyleFormation::ParamLabelBkColor, StyleDefaults::Rgb(255, 255, 0)}};
    EXPECT_EQ(PixelsOf(m_chart->grab().toImage(), QColor(255, 255, 0)), 0);
}
