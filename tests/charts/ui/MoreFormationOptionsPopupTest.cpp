#include "charts/ui/FormationCommandIds.h"
#include "charts/ui/MoreFormationOptionsPopupDlg.h"
#include "charts/ui/MoreFormationOptionsPopupManager.h"
#include "charts/ui/SaveDisplayStyleToStylePopupDlg.h"
#include "modulelibs/chart/ChartStyles.h"
#include "platform/modules/ActiveObjectsContainer.h"
#include "ribbon/controls/RibbonControlPopupEx.h"
#include "ribbon/controls/ToolTipsHTMLBase.h"
#include "ribbon/galleries/ColorMarkers.h"
#include "styles/engine/StyleDefaults.h"
#include "styles/engine/StyleFormation.h"
#include "styles/engine/StylesContainer.h"
#include "tests/charts/ui/EmptyChartWindow.h"
#include "tests/support/ui/ScopedFakeDialogs.h"
#include "tests/support/ui/TestApplication.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolButton>

#include <map>
#include <memory>

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
        auto manager = std::make_unique<MoreFormationOptionsPopupManager>(nullptr, &m_control, &m_consumer, PopupOptions());
        m_manager = manager.get();
        m_control.SetPopupWindowManager(std::move(manager));
        ASSERT_TRUE(m_manager->ShowAtAnchor(QRect(100, 100, 20, 20)));
        m_dialog = m_manager->GetOptionsDialog();
        ASSERT_NE(m_dialog, nullptr);
    }
    void TearDown() override
    {
        m_manager->ClosePopup();
        delete m_chart;
    }

    virtual MoreOptionsPopupBarDlgBase::Options PopupOptions() { return {}; }
    const std::map<int, int>& Stored() const { return m_chart->Document().formations[0].display; }
    ActiveObjectsContainer& Active() { return *m_consumer.GetActiveObjects(); }
    QComboBox* Combo(std::uint32_t id) const { return qobject_cast<QComboBox*>(m_dialog->ControlById(id)); }
    QToolButton* Button(std::uint32_t id) const { return qobject_cast<QToolButton*>(m_dialog->ControlById(id)); }

    ChartModuleConsumer m_consumer;
    ChartWindow* m_chart = nullptr;
    RibbonControlPopupEx m_control{FormationCommandIds::ID_MORE_OPTIONS};
    MoreFormationOptionsPopupManager* m_manager = nullptr;
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

// In extended mode "Utwórz styl" makes the values shown a new formation style, written with the
// others, which the formation then takes.
class CreateFormationStyleTest : public MoreFormationOptionsPopupTest
{
protected:
    MoreOptionsPopupBarDlgBase::Options PopupOptions() override
    {
        return {true, [this] {
                    ++m_saves;
                    return m_saveFails ? false : StylesContainer::Instance().SaveStyles(m_folder.path(), false);
                }};
    }
    void Select(std::uint32_t comboId, int item)
    {
        Combo(comboId)->setCurrentIndex(item);
        emit Combo(comboId)->activated(item);
    }
    void PickColour(std::uint32_t buttonId, int colour)
    {
        Button(buttonId)->click();
        m_dialog->OnColorHot(colour);
        m_dialog->OnColorPicked();
        m_dialog->Picker()->close();
    }

    QTemporaryDir m_folder;
    ScopedFakeDialogs m_dialogs;
    int m_saves = 0;
    bool m_saveFails = false;
};

// Every control's tooltip is the rich text of its string: the caption in bold over the description.
TEST_F(MoreFormationOptionsPopupTest, EveryControlHasTheTooltipOfItsString)
{
    const std::pair<std::uint32_t, std::uint32_t> tips[] = {
        {1252, 1375}, {1249, 1374}, {1246, 1373}, {1170, 1378}, {1166, 1377}, {1163, 1376}, {1243, 1382},
        {1181, 1383}, {1185, 1384}, {1188, 1385}, {1192, 1386}, {1196, 1387}, {1227, 1379}, {1230, 1380},
        {1233, 1381}, {10, 353},     {1286, 354},   {1284, 111},
    };
    for (const auto& [controlId, stringId] : tips)
    {
        SCOPED_TRACE(controlId);
        const std::optional<ToolTipsHTMLBase::ToolTipStrings> strings = ToolTipsHTMLBase().LoadToolTipStrings(stringId);
        ASSERT_TRUE(strings.has_value());
        EXPECT_FALSE(strings->caption.isEmpty());
        EXPECT_FALSE(strings->description.isEmpty());
        const QString tip = m_dialog->ControlById(controlId)->toolTip();
        EXPECT_EQ(tip, ToolTipsHTMLBase::CreateHTMLToolTipContent(strings->caption, strings->description));
        EXPECT_TRUE(Qt::mightBeRichText(tip));
    }
    const QString larger = m_dialog->ControlById(1227)->toolTip();
    EXPECT_TRUE(larger.contains(QStringLiteral("Powiększ czcionkę")));
    EXPECT_TRUE(larger.contains(QStringLiteral("Umożliwia zwiększenie rozmiaru czcionki.")));
}

TEST_F(MoreFormationOptionsPopupTest, CreateStyleIsOfferedInExtendedModeOnly)
{
    EXPECT_TRUE(m_dialog->ControlById(1286)->isHidden());
}

TEST_F(CreateFormationStyleTest, TheValuesShownBecomeANamedStyleThatTheFormationTakes)
{
    ASSERT_FALSE(m_dialog->ControlById(1286)->isHidden());
    const int labelColour = StyleDefaults::Rgb(12, 34, 56);
    Select(1249, 4);
    Select(1163, 3);
    PickColour(1188, labelColour);
    Button(1227)->click();
    std::map<int, int> shown;
    for (const int parameter : ChartStyles::kFormationDisplayParameters)
        shown[parameter] = Active().GetCbsParams(kFormations, parameter);

    qobject_cast<QPushButton*>(m_dialog->ControlById(1286))->click();
    SaveDisplayStyleToStylePopupDlg* popup = m_dialog->StyleNamePopup();
    ASSERT_NE(popup, nullptr);
    popup->NameEdit()->setText(QStringLiteral("  Moja linia  "));
    popup->OkButton()->click();

    const int styleId = StylesContainer::Instance().FindStyle(QStringLiteral("Moja linia"));
    ASSERT_GT(styleId, 0);
    const std::shared_ptr<StyleBase> style = StylesContainer::Instance().FindStyle(styleId, StyleFormation::Type);
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(m_chart->Document().formations[0].styleId, styleId);
    EXPECT_TRUE(Stored().empty());
    for (const auto& [parameter, value] : shown)
        EXPECT_EQ(Active().GetCbsParams(kFormations, parameter), value) << parameter;
    EXPECT_EQ(style->GetValue(StyleFormation::ParamLabelBkColor), labelColour);
    EXPECT_EQ(m_saves, 1);
    EXPECT_TRUE(m_dialogs.MessageBox().Boxes().empty());
    EXPECT_FALSE(m_manager->IsPopupShown());

    // What was written reads back as it was made.
    const GdiObject pen = style->GetGdiObject(StyleFormation::ParamBaseLinePen);
    style->SetValue(StyleFormation::ParamLabelBkColor, 0);
    style->SetGdiObject(StyleFormation::ParamBaseLinePen, GdiObject());
    StylesContainer::Instance().LoadStyles(m_folder.path(), false);
    EXPECT_EQ(style->GetValue(StyleFormation::ParamLabelBkColor), labelColour);
    EXPECT_EQ(style->GetGdiObject(StyleFormation::ParamBaseLinePen), pen);
    StylesContainer::Instance().RemoveStyle(styleId);
}

// A name that cannot be taken leaves the popups open with the reason and makes nothing.
TEST_F(CreateFormationStyleTest, ARefusedNameMakesNoStyle)
{
    auto taken = StyleFormation::CreateInstance();
    taken->SetName(QStringLiteral("Zajęta"));
    StylesContainer::Instance().AddStyle(taken);
    const int styles = StylesContainer::Instance().GetCount();
    const struct
    {
        const char* name;
        const char* error;
    } cases[] = {
        {"", "Podaj nazwę stylu."},
        {"   ", "Podaj nazwę stylu."},
        {"Własny", "Nazwa \"Własny\" jest zastrzeżona dla stylu własnego okna."},
        {" Zajęta", "Styl o nazwie \"Zajęta\" już istnieje."},
    };
    qobject_cast<QPushButton*>(m_dialog->ControlById(1286))->click();
    SaveDisplayStyleToStylePopupDlg* popup = m_dialog->StyleNamePopup();
    ASSERT_NE(popup, nullptr);
    for (const auto& entry : cases)
    {
        SCOPED_TRACE(entry.name);
        popup->NameEdit()->setText(QString::fromUtf8(entry.name));
        popup->Confirm();
        EXPECT_EQ(popup->ErrorText(), QString::fromUtf8(entry.error));
        EXPECT_EQ(m_dialog->StyleNamePopup(), popup);
    }
    EXPECT_EQ(StylesContainer::Instance().GetCount(), styles);
    EXPECT_EQ(m_saves, 0);
    EXPECT_TRUE(m_manager->IsPopupShown());
    StylesContainer::Instance().RemoveStyle(taken->GetId());
}

// A style that could not be written is still made and taken, and the user is told.
TEST_F(CreateFormationStyleTest, AStyleThatCouldNotBeWrittenIsReported)
{
    m_saveFails = true;
    qobject_cast<QPushButton*>(m_dialog->ControlById(1286))->click();
    ASSERT_NE(m_dialog->StyleNamePopup(), nullptr);
    m_dialog->StyleNamePopup()->NameEdit()->setText(QStringLiteral("Niezapisany"));
    m_dialog->StyleNamePopup()->Confirm();
    const int styleId = StylesContainer::Instance().FindStyle(QStringLiteral("Niezapisany"));
    ASSERT_GT(styleId, 0);
    EXPECT_EQ(m_chart->Document().formations[0].styleId, styleId);
    ASSERT_EQ(m_dialogs.MessageBox().Boxes().size(), 1u);
    EXPECT_TRUE(m_dialogs.MessageBox().Boxes()[0].text.contains(QStringLiteral("nie zapisano")));
    StylesContainer::Instance().RemoveStyle(styleId);
}
