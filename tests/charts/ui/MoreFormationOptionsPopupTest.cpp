#include "charts/ui/FormationCommandIds.h"
#include "charts/ui/MoreFormationOptionsPopupDlg.h"
#include "charts/ui/MoreFormationOptionsPopupManager.h"
#include "modulelibs/chart/ChartStyles.h"
#include "platform/modules/ActiveObjectsContainer.h"
#include "ribbon/controls/RibbonControlPopupEx.h"
#include "ribbon/galleries/ColorMarkers.h"
#include "styles/engine/StyleDefaults.h"
#include "styles/engine/StyleFormation.h"
#include "tests/charts/ui/EmptyChartWindow.h"
#include "tests/support/ui/TestApplication.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QToolButton>

#include <map>

#include <gtest/gtest.h>

using P = FormationParam;

namespace
{

constexpr int kFormations = 3;

// Counts the paint events of a shown widget.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

class MoreFormationOptionsPopupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        m_chart = MakeActiveEmptyChart(m_consumer);
        SelectNewFormation(*m_chart, P::kSegment);
        ASSERT_TRUE(m_manager.ShowAtAnchor(QRect(100, 100, 20, 20)));
        m_dialog = m_manager.GetOptionsDialog();
        ASSERT_NE(m_dialog, nullptr);
    }
    void TearDown() override
    {
        m_manager.ClosePopup();
        delete m_chart;
    }

    const std::map<int, int>& Stored() const { return m_chart->Document().formations[0].display; }
    ActiveObjectsContainer& Active() { return *m_consumer.GetActiveObjects(); }
    QComboBox* Combo(std::uint32_t id) const { return qobject_cast<QComboBox*>(m_dialog->ControlById(id)); }
    QToolButton* Button(std::uint32_t id) const { return qobject_cast<QToolButton*>(m_dialog->ControlById(id)); }

    ChartModuleConsumer m_consumer;
    ChartWindow* m_chart = nullptr;
    RibbonControlPopupEx m_control{FormationCommandIds::ID_MORE_OPTIONS};
    MoreFormationOptionsPopupManager m_manager{nullptr, &m_control, &m_consumer};
    MoreFormationOptionsPopupDlg* m_dialog = nullptr;
};

}

// A width or line style chosen is kept with the active formation at once: width item "1" is
// width 1, line-style item 4 is style 4.
TEST_F(MoreFormationOptionsPopupTest, AComboChoiceIsStoredWithTheActiveFormation)
{
    const struct
    {
        std::uint32_t id;
        int item;
        int parameter;
        int value;
    } cases[] = {
        {1249, 0, ChartStyles::kBaseLineWidth, 1},   {1249, 6, ChartStyles::kBaseLineWidth, 7},
        {1246, 4, ChartStyles::kBaseLineStyle, 4},   {1166, 2, ChartStyles::kExtensionWidth, 3},
        {1163, 1, ChartStyles::kExtensionStyle, 1},
    };
    for (const auto& entry : cases)
    {
        SCOPED_TRACE(entry.id);
        QComboBox* combo = Combo(entry.id);
        ASSERT_NE(combo, nullptr);
        combo->setCurrentIndex(entry.item);
        emit combo->activated(entry.item);
        EXPECT_EQ(Stored().at(entry.parameter), entry.value);
        EXPECT_EQ(Active().GetCbsParams(kFormations, entry.parameter), entry.value);
    }
    EXPECT_FALSE(m_chart->Document().appliedParams.contains({kFormations, ChartStyles::kBaseLineWidth}));
}

// The picker previews the colour under the mouse on the formation only, "Domyślny" previews the
// style's colour, picking keeps it; a second picker does not open over the first.
TEST_F(MoreFormationOptionsPopupTest, AColourIsPreviewedThenKeptWhenPicked)
{
    const int red = StyleDefaults::Rgb(255, 0, 0);
    const int styleColour = Active().GetCbsParams(kFormations, StyleFormation::ParamFillColor);
    QToolButton* fill = Button(1181);
    ASSERT_NE(fill, nullptr);
    fill->click();
    ColorPickerPopupWindow* picker = m_dialog->Picker();
    ASSERT_NE(picker, nullptr);
    fill->click();
    EXPECT_EQ(m_dialog->Picker(), picker);

    m_dialog->OnColorHot(red);
    EXPECT_EQ(Active().GetCbsParams(kFormations, StyleFormation::ParamFillColor), red);
    EXPECT_TRUE(Stored().empty());
    m_dialog->OnHotColorCleared();
    EXPECT_EQ(Active().GetCbsParams(kFormations, StyleFormation::ParamFillColor), styleColour);
    m_dialog->OnColorHot(red);
    m_dialog->OnColorPicked();
    EXPECT_EQ(Stored(), (std::map<int, int>{{StyleFormation::ParamFillColor, red}}));
    picker->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(m_dialog->Picker(), nullptr);

    fill->click();
    ASSERT_NE(m_dialog->Picker(), nullptr);
    m_dialog->OnColorHot(ColorMarkers::kDefault);
    EXPECT_EQ(Active().GetCbsParams(kFormations, StyleFormation::ParamFillColor), styleColour);
    m_dialog->OnColorPicked();
    EXPECT_TRUE(Stored().empty());
}

// Each colour button edits its own colour of the active formation and the chart shows it.
TEST_F(MoreFormationOptionsPopupTest, EachColourButtonKeepsItsColourWithTheFormation)
{
    const struct
    {
        std::uint32_t id;
        int parameter;
        const char* caption;
    } cases[] = {
        {1243, StyleFormation::ParamTextColor, "Kolor tekstu"},
        {1181, StyleFormation::ParamFillColor, "Kolor wypełnienia"},
        {1185, StyleFormation::ParamLabelTextColor, "Kolor tekstu etykiety"},
        {1188, StyleFormation::ParamLabelBkColor, "Kolor tła etykiety"},
        {1192, StyleFormation::ParamLabelFrameColor, "Kolor ramki etykiety"},
        {1196, StyleFormation::ParamConnectorColor, "Kolor łącznika etykiety"},
    };
    int colour = StyleDefaults::Rgb(10, 20, 30);
    m_chart->resize(300, 200);
    m_chart->show();
    PaintCounter paints(*m_chart);
    for (const auto& entry : cases)
    {
        SCOPED_TRACE(entry.id);
        QToolButton* button = Button(entry.id);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::fromUtf8(entry.caption));
        QCoreApplication::processEvents();
        const int painted = paints.count;
        button->click();
        ASSERT_NE(m_dialog->Picker(), nullptr);
        m_dialog->OnColorHot(++colour);
        m_dialog->OnColorPicked();
        m_dialog->Picker()->close();
        QCoreApplication::processEvents();
        EXPECT_EQ(Stored().at(entry.parameter), colour);
        EXPECT_GT(paints.count, painted);
    }
}

// The font buttons step the formation's text size at once, or give it its style's again; a colour
// still previewed stays a preview.
TEST_F(MoreFormationOptionsPopupTest, FontButtonsStepTheTextSizeAndLeaveAPreviewAlone)
{
    const int styleSize = Active().GetCbsParams(kFormations, ChartStyles::kFontSize);
    ASSERT_GT(styleSize, 6);
    Button(1181)->click();
    m_dialog->OnColorHot(StyleDefaults::Rgb(1, 2, 3));
    const struct
    {
        std::uint32_t id;
        int size;
    } steps[] = {{1227, styleSize + 1}, {1227, styleSize + 2}, {1230, styleSize + 1}, {1233, styleSize}};
    for (const auto& step : steps)
    {
        SCOPED_TRACE(step.id);
        ASSERT_NE(Button(step.id), nullptr);
        Button(step.id)->click();
        EXPECT_EQ(Active().GetCbsParams(kFormations, ChartStyles::kFontSize), step.size);
        EXPECT_EQ(Stored().contains(ChartStyles::kFontSize), step.size != styleSize);
    }
    EXPECT_FALSE(Stored().contains(StyleFormation::ParamFillColor));
    EXPECT_EQ(Active().GetCbsParams(kFormations, StyleFormation::ParamFillColor), StyleDefaults::Rgb(1, 2, 3));

    // A size is bounded, and kept with the formation that was active.
    for (int i = 0; i < 40; ++i)
        Button(1230)->click();
    EXPECT_EQ(Stored().at(ChartStyles::kFontSize), 6);
}

// "Przywróć" gives the formation its style's values and every control shows them again.
TEST_F(MoreFormationOptionsPopupTest, RestoreBringsBackTheStylesValues)
{
    const int styleWidth = Active().GetCbsParams(kFormations, ChartStyles::kBaseLineWidth);
    QComboBox* width = Combo(1249);
    const int other = styleWidth == 7 ? 0 : 6;
    width->setCurrentIndex(other);
    emit width->activated(other);
    ASSERT_FALSE(Stored().empty());
    qobject_cast<QPushButton*>(m_dialog->ControlById(10))->click();
    EXPECT_TRUE(Stored().empty());
    EXPECT_EQ(width->currentData().toInt(), styleWidth);
}

TEST_F(MoreFormationOptionsPopupTest, WithNoActiveFormationNothingCanBeChanged)
{
    const_cast<ChartDocument&>(m_chart->Document()).activeFormation = -1;
    m_dialog->FillValues();
    for (const std::uint32_t id : {1246u, 1249u, 1252u, 1163u, 1166u, 1170u, 1243u, 1181u, 10u})
        EXPECT_FALSE(m_dialog->ControlById(id)->isEnabled()) << id;
    EXPECT_TRUE(m_dialog->ControlById(1284)->isEnabled());
}
