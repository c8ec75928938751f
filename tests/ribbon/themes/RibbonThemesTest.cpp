#include "platform/toolkit/PaintManager.h"
#include "ribbon/themes/IRibbonThemeFrame.h"
#include "ribbon/themes/KelvoraRibbonPaintManager.h"
#include "ribbon/themes/RibbonThemes.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
struct RecordingThemeFrame : IRibbonThemeFrame
{
    struct Load
    {
        QString themeName;
        QString iniName;
        QString normalIniName;
    };

    bool LoadRibbonTheme(const QString& themeName, const QString& iniName, const QString& normalIniName) override
    {
        loads.push_back({themeName, iniName, normalIniName});
        return loadsSucceed;
    }

    std::vector<Load> loads;
    bool loadsSucceed = true;
};

// Each test starts and ends with no frame and the default theme current.
class RibbonThemesTest : public ::testing::Test
{
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

    static void Reset()
    {
        SetRibbonThemeFrame(nullptr);
        ASSERT_TRUE(ApplyRibbonTheme(kDefaultRibbonThemeIndex));
    }

    RecordingThemeFrame frame;
};

TEST_F(RibbonThemesTest, EveryThemeNameLeadsBackToItsIndex)
{
    const char* const names[] = {"Office2007;Blue",  "Office2007;Black", "Office2007;Silver", "Office2007;Aqua",
                                 "Office2010;Blue",  "Office2010;Black", "Office2010;Silver"};
    for (int index = 0; index < kRibbonThemeCount; ++index)
    {
        EXPECT_EQ(GetRibbonThemeName(index), QLatin1String(names[index]));
        EXPECT_EQ(GetRibbonThemeIndex(GetRibbonThemeName(index)), index);
    }
    EXPECT_TRUE(GetRibbonThemeName(-1).isEmpty());
    EXPECT_TRUE(GetRibbonThemeName(kRibbonThemeCount).isEmpty());
}

TEST_F(RibbonThemesTest, ANameOfNoThemeGivesTheFirstTheme)
{
    for (const char* name : {"", "Office2007", "office2007;black", "Office2010;Aqua", "Office2010;Black;", " Office2010;Black"})
        EXPECT_EQ(GetRibbonThemeIndex(QLatin1String(name)), 0) << name;
}

TEST_F(RibbonThemesTest, SplittingTakesTheFirstSemicolon)
{
    const struct
    {
        const char* theme;
        const char* themeName;
        const char* colorName;
    } cases[] = {
        {"Office2010;Black", "Office2010", "Black"},
        {"a;b;c", "a", "b;c"},
        {";Blue", "", "Blue"},
        {"Office2007;", "Office2007", ""},
        // Without a semicolon the outputs keep what they held.
        {"Office2007Blue", "kept theme", "kept colour"},
    };
    for (const auto& c : cases)
    {
        QString themeName = QStringLiteral("kept theme");
        QString colorName = QStringLiteral("kept colour");
        SplitThemeString(QLatin1String(c.theme), themeName, colorName);
        EXPECT_EQ(themeName, QLatin1String(c.themeName)) << c.theme;
        EXPECT_EQ(colorName, QLatin1String(c.colorName)) << c.theme;
    }
}

TEST_F(RibbonThemesTest, ApplyingHandsTheFrameTheThemesFileNames)
{
    SetRibbonThemeFrame(&frame);
    ASSERT_TRUE(ApplyRibbonTheme(3));
    ASSERT_TRUE(ApplyRibbonTheme(5));
    ASSERT_EQ(frame.loads.size(), 2u);
    EXPECT_EQ(frame.loads[0].themeName, QStringLiteral("Office2007"));
    EXPECT_EQ(frame.loads[0].iniName, QStringLiteral("Office2007Aqua.ini"));
    EXPECT_EQ(frame.loads[0].normalIniName, QStringLiteral("NormalAqua.ini"));
    EXPECT_EQ(frame.loads[1].themeName, QStringLiteral("Office2010"));
    EXPECT_EQ(frame.loads[1].iniName, QStringLiteral("Office2010Black.ini"));
    EXPECT_EQ(frame.loads[1].normalIniName, QStringLiteral("NormalBlack.ini"));
    EXPECT_EQ(GetCurrentRibbonThemeIndex(), 5);
}

TEST_F(RibbonThemesTest, AnIndexOutsideTheTableChangesNothing)
{
    SetRibbonThemeFrame(&frame);
    ASSERT_TRUE(ApplyRibbonTheme(2));
    for (const int index : {-1, kRibbonThemeCount, 33605})
        EXPECT_FALSE(ApplyRibbonTheme(index)) << index;
    EXPECT_EQ(frame.loads.size(), 1u);
    EXPECT_EQ(GetCurrentRibbonThemeIndex(), 2);
}

TEST_F(RibbonThemesTest, AThemeTheFrameCannotLoadDoesNotBecomeCurrent)
{
    SetRibbonThemeFrame(&frame);
    ASSERT_TRUE(ApplyRibbonTheme(4));
    frame.loadsSucceed = false;
    EXPECT_FALSE(ApplyRibbonTheme(6));
    EXPECT_EQ(GetCurrentRibbonThemeIndex(), 4);
}

TEST_F(RibbonThemesTest, WithoutAFrameTheIndexIsKept)
{
    EXPECT_EQ(GetCurrentRibbonThemeIndex(), 1);
    EXPECT_TRUE(ApplyRibbonTheme(6));
    EXPECT_EQ(GetCurrentRibbonThemeIndex(), 6);
}

// An application style applies its theme by name; the global settings re-apply the current
// theme after every save, which must then be the style's, not the index the program began with.
TEST_F(RibbonThemesTest, ReapplyingAfterASettingsSaveKeepsTheThemeOfTheApplicationStyle)
{
    SetRibbonThemeFrame(&frame);
    ASSERT_TRUE(ApplyRibbonTheme(GetRibbonThemeIndex(QStringLiteral("Office2010;Silver"))));
    ASSERT_TRUE(ApplyRibbonTheme(GetCurrentRibbonThemeIndex()));
    EXPECT_EQ(frame.loads.back().iniName, QStringLiteral("Office2010Silver.ini"));
}

TEST_F(RibbonThemesTest, InstallingTheRibbonThemePutsInTheProgramsRibbonPaintManager)
{
    PaintManager::Instance().SetRibbonPaintManager(nullptr);
    InstallRibbonThemeEx();
    EXPECT_NE(dynamic_cast<const KelvoraRibbonPaintManager*>(&PaintManager::Instance().GetRibbonPaintManager()), nullptr);
    PaintManager::Instance().SetRibbonPaintManager(nullptr);
}
}
