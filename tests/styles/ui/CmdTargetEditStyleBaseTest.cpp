#include "platform/settings/Settings.h"
#include "platform/toolkit/RibbonComboBoxControl.h"
#include "platform/toolkit/RibbonEditControl.h"
#include "platform/ui/DialogServices.h"
#include "tests/styles/ui/StyleEditBench.h"
#include "tests/support/ui/ScopedFakeDialogs.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace TestTextFieldIds;

namespace
{
constexpr std::int32_t kRed = 0x0000FF;
constexpr std::int32_t kBlue = 0xFF0000;
constexpr std::int32_t kMoreColours = -3;

LogFont FontOf(const StyleBase& style)
{
    return *style.GetGdiObject(StyleTextField::ParamFont).Font();
}

// The font-size combo as the ribbon builds it: the sizes' captions, the size as data.
std::unique_ptr<RibbonComboBoxControl> FontSizeCombo()
{
    auto combo = std::make_unique<RibbonComboBoxControl>(ID_FONT_SIZE);
    for (const int size : StyleEditCmdHelper::kFontSizes)
        combo->AddItem(QString::number(size), size);
    return combo;
}

// The style as the file of the folder holds it; empty when there is none.
std::shared_ptr<StyleBase> SavedStyle(const QString& folder, const QString& name)
{
    for (const QString& file : QDir(folder).entryList({QStringLiteral("*.q4style")}, QDir::Files))
    {
        Settings tree;
        if (!tree.LoadFromFile(QDir(folder).filePath(file), StylesContainer::kRootName))
            continue;
        std::shared_ptr<StyleBase> style = StyleBase::LoadStyle(tree);
        if (style && style->GetName() == name)
            return style;
    }
    return nullptr;
}

class CmdTargetEditStyleBaseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        bench.host->stylesFolder = folder.path();
        bench.Begin();
        ASSERT_NE(bench.target, nullptr);
        startColour = bench.style->GetValue(StyleTextField::ParamFontColor);
        startFont = FontOf(*bench.style);
    }

    // Picks the colour item of the gallery (execute) and the font size at the combo index.
    void ChangeColourAndFont(std::int32_t colour, int sizeIndex)
    {
        auto gallery = StyleEditBench::Gallery(ID_COLOUR, {kRed, kBlue, kMoreColours});
        const int index = colour == kRed ? 0 : 1;
        gallery->SetSelectedItem(index);
        ASSERT_TRUE(bench.Notify(*gallery, NotifyCodes::Execute, index));
        auto combo = FontSizeCombo();
        combo->SetCurSel(sizeIndex);
        ASSERT_TRUE(bench.Notify(*combo, ID_FONT_SIZE));
    }

    ScopedFakeDialogs dialogs;
    QTemporaryDir folder;
    StyleEditBench bench;
    std::int32_t startColour = 0;
    LogFont startFont;
};
}

TEST_F(CmdTargetEditStyleBaseTest, SaveKeepsTheChangesInTheContainerOnDiskAndOnScreen)
{
    const int redraws = bench.window->redrawCount;
    ChangeColourAndFont(kRed, 7);  // 14 points
    EXPECT_EQ(bench.style->GetValue(StyleTextField::ParamFontColor), kRed);
    EXPECT_EQ(FontOf(*bench.style).lfHeight, StyleEditCmdHelper::PointsToFontHeight(14));
    EXPECT_GT(bench.window->redrawCount, redraws);

    bench.host->calls.clear();
    ASSERT_TRUE(bench.Command(ID_SAVE));

    EXPECT_FALSE(bench.handler.IsInEditMode());
    // The mode is left before the styles are written, and the folder is written anew.
    ASSERT_FALSE(bench.host->calls.empty());
    EXPECT_EQ(bench.host->calls.front(), "flag off");
    EXPECT_EQ(bench.host->calls.back(), "save clean");
    const std::shared_ptr<StyleBase> held = StylesContainer::Instance().FindStyle(bench.style->GetId());
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(held->GetValue(StyleTextField::ParamFontColor), kRed);
    const std::shared_ptr<StyleBase> saved = SavedStyle(folder.path(), bench.style->GetName());
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->GetValue(StyleTextField::ParamFontColor), kRed);
    EXPECT_EQ(FontOf(*saved).lfHeight, StyleEditCmdHelper::PointsToFontHeight(14));
    // Every window that draws with the style repaints.
    EXPECT_NE(std::find(bench.host->calls.begin(), bench.host->calls.end(), "redraw windows"), bench.host->calls.end());
}

TEST_F(CmdTargetEditStyleBaseTest, DiscardAfterSeveralChangesPutsBackTheStateAtEntry)
{
    ChangeColourAndFont(kRed, 7);
    ChangeColourAndFont(kBlue, 10);
    const int redraws = bench.window->redrawCount;
    ASSERT_TRUE(bench.Command(ID_DISCARD));

    EXPECT_FALSE(bench.handler.IsInEditMode());
    EXPECT_EQ(bench.style->GetValue(StyleTextField::ParamFontColor), startColour);
    EXPECT_EQ(FontOf(*bench.style), startFont);
    EXPECT_GT(bench.window->redrawCount, redraws);
    // Nothing is written.
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(std::count(bench.host->calls.begin(), bench.host->calls.end(), "save clean"), 0);

    // The same changes made again in a new session and saved stand.
    bench.Begin();
    ChangeColourAndFont(kBlue, 10);
    ASSERT_TRUE(bench.Command(ID_SAVE));
    EXPECT_EQ(bench.style->GetValue(StyleTextField::ParamFontColor), kBlue);
    EXPECT_EQ(FontOf(*bench.style).lfHeight, StyleEditCmdHelper::PointsToFontHeight(20));
}

TEST_F(CmdTargetEditStyleBaseTest, LeavingWithoutSaveOrDiscardKeepsTheChangesForTheExitSave)
{
    // The frame leaves the mode when the program closes; the styles are saved at the exit.
    ChangeColourAndFont(kRed, 7);
    bench.handler.LeaveEditStyleMode();

    EXPECT_FALSE(bench.handler.IsInEditMode());
    EXPECT_EQ(StylesContainer::Instance().FindStyle(bench.style->GetId())->GetValue(StyleTextField::ParamFontColor),
              kRed);
    EXPECT_TRUE(bench.window->isEnabled());
}

TEST_F(CmdTargetEditStyleBaseTest, APreviewShowsTheHoveredItemAndLeavingTheGalleryPutsTheValueBack)
{
    auto gallery = StyleEditBench::Gallery(ID_COLOUR, {kRed, kBlue, kMoreColours});
    ASSERT_TRUE(bench.Notify(*gallery, NotifyCodes::GalleryPreviewChange, 1));
    EXPECT_EQ(bench.style->GetValue(StyleTextField::ParamFontColor), kBlue);
    // "Więcej kolorów" hovered counts as no item.
    ASSERT_TRUE(bench.Notify(*gallery, NotifyCodes::GalleryPreviewChange, 2));
    EXPECT_EQ(bench.style->GetValue(StyleTextField::ParamFontColor), startColour);
    ASSERT_TRUE(bench.Notify(*gallery, NotifyCodes::GalleryPreviewChange, 0));
    ASSERT_TRUE(bench.Notify(*gallery, NotifyCodes::GalleryPreviewCancel, -1));
    EXPECT_EQ(bench.style->GetValue(StyleTextField::ParamFontColor), startColour);
    EXPECT_EQ(bench.target->copiedCount, 0);
}

TEST_F(CmdTargetEditStyleBaseTest, MoreColoursWritesTheDialogsColourOnlyWhenChosen)
{
    auto gallery = StyleEditBench::Gallery(ID_COLOUR, {kRed, kBlue, kMoreColours});
    ASSERT_TRUE(bench.Notify(*gallery, NotifyCodes::Execute, 2));
    EXPECT_EQ(bench.style->GetValue(StyleTextField::ParamFontColor), startColour);
    EXPECT_EQ(bench.target->copiedCount, 1);
    ASSERT_EQ(dialogs.ColorDialog().Opened().size(), 1u);

    dialogs.ColorDialog().SetAnswer(QColor(0, 0x80, 0));
    ASSERT_TRUE(bench.Notify(*gallery, NotifyCodes::Execute, 2));
    EXPECT_EQ(bench.style->GetValue(StyleTextField::ParamFontColor), 0x008000);
    EXPECT_EQ(bench.target->copiedCount, 2);
}

TEST_F(CmdTargetEditStyleBaseTest, TheUpdateShowsTheStylesValuesButNotOverAnEditInUse)
{
    auto combo = FontSizeCombo();
    CmdUI sizeUI(ID_FONT_SIZE, combo.get());
    bench.handler.GetEditedCmdTarget()->UpdateCommandUI(sizeUI);
    EXPECT_EQ(sizeUI.Enabled(), true);
    ASSERT_GE(combo->GetCurSel(), 0);
    EXPECT_EQ(StyleEditCmdHelper::kFontSizes[std::size_t(combo->GetCurSel())],
              StyleEditCmdHelper::FontHeightToPoints(startFont.lfHeight));

    // A size the list does not hold leaves the combo as it stands.
    StyleEditCmdHelper::SetFont(*bench.style, StyleTextField::ParamFont, std::nullopt,
                                StyleEditCmdHelper::PointsToFontHeight(13));
    combo->SetCurSel(2);
    bench.handler.GetEditedCmdTarget()->UpdateCommandUI(sizeUI);
    EXPECT_EQ(combo->GetCurSel(), 2);

    RibbonEditControl name(ID_NAME);
    CmdUI nameUI(ID_NAME, &name);
    bench.handler.GetEditedCmdTarget()->UpdateCommandUI(nameUI);
    EXPECT_EQ(name.GetEditText(), QStringLiteral("Pole testowe"));
    name.SetFocused(true);
    name.SetEditText(QStringLiteral("Pisz"));
    bench.handler.GetEditedCmdTarget()->UpdateCommandUI(nameUI);
    EXPECT_EQ(name.GetEditText(), QStringLiteral("Pisz"));
}

TEST_F(CmdTargetEditStyleBaseTest, ARenameIsRefusedForANameInUseOrABlankName)
{
    auto other = StyleTextField::CreateInstance();
    other->SetName(QStringLiteral("Zajęta"));
    StylesContainer::Instance().AddStyle(other);
    struct Case
    {
        QString typed;
        QString expected;
    };
    const Case cases[] = {
        {QStringLiteral("Zajęta"), QStringLiteral("Pole testowe")},
        {QStringLiteral("   "), QStringLiteral("Pole testowe")},
        {QString(), QStringLiteral("Pole testowe")},
        {QStringLiteral("Nowa nazwa"), QStringLiteral("Nowa nazwa")},
    };
    for (const Case& item : cases)
    {
        RibbonEditControl name(ID_NAME);
        name.SetEditText(item.typed);
        ASSERT_TRUE(bench.Notify(name, ID_NAME));
        EXPECT_EQ(bench.style->GetName(), item.expected) << item.typed.toStdString();
    }
    StylesContainer::Instance().RemoveStyle(other->GetId());
}
