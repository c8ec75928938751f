#include "platform/toolkit/RibbonPalette.h"
#include "platform/toolkit/RibbonTabBase.h"
#include "ribbon/themes/KelvoraRibbonPaintManager.h"
#include "tests/support/ribbon/TestRibbonTab.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>

namespace
{
std::unique_ptr<RibbonTabBase> MakeTab(ERibbonTabLevel level, int color)
{
    std::unique_ptr<RibbonTabBase> tab;
    if (level == RibbonTabLevelNone)
        tab = std::make_unique<RibbonTabBase>();
    else
        tab = std::make_unique<TestRibbonTab>(level);
    tab->SetContextColor(color);
    return tab;
}

// The group row as the paint manager fills it, over a sentinel colour.
QImage Fill(const RibbonTabBase* tab)
{
    QImage image(40, 30, QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    KelvoraRibbonPaintManager().FillGroupsBackground(painter, tab, image.rect(), RibbonPalette());
    return image;
}

TEST(KelvoraRibbonPaintManagerTest, ContextColoursHaveTheirWords)
{
    const char* const words[] = {"", "BLUE", "YELLOW", "GREEN", "RED", "PURPLE", "CYAN", "ORANGE", ""};
    for (int color = 0; color <= 8; ++color)
        EXPECT_EQ(KelvoraRibbonPaintManager::GetContextColorWord(color), QLatin1String(words[color])) << color;
    EXPECT_EQ(KelvoraRibbonPaintManager::GetContextTabImageName(QStringLiteral("GREEN")),
              QStringLiteral("CONTEXTTABGREENCLIENT"));
}

TEST(KelvoraRibbonPaintManagerTest, GroupRowImageFollowsLevelAndContextColour)
{
    const struct
    {
        ERibbonTabLevel level;
        int color;
        const char* image;
    } cases[] = {
        {RibbonTabLevelMain, RibbonContextColorNone, "RIBBONGROUPS"},
        {RibbonTabLevelContext, RibbonContextColorNone, "RIBBONGROUPS"},
        // A main tab paints like one even when it carries a context colour.
        {RibbonTabLevelMain, RibbonContextColorGreen, "RIBBONGROUPS"},
        {RibbonTabLevelContext, RibbonContextColorGreen, "CONTEXTTABGREENCLIENT"},
        {RibbonTabLevelSubContext, RibbonContextColorOrange, "CONTEXTTABORANGECLIENT"},
        // A toolkit tab knows no level: its colour decides.
        {RibbonTabLevelNone, RibbonContextColorBlue, "CONTEXTTABBLUECLIENT"},
        {RibbonTabLevelContext, 9, "CONTEXTTABCLIENT"},
    };
    for (const auto& c : cases)
    {
        const auto tab = MakeTab(c.level, c.color);
        EXPECT_EQ(KelvoraRibbonPaintManager::GetGroupsBackgroundImageName(tab.get()), QLatin1String(c.image))
            << c.level << " " << c.color;
    }
    EXPECT_EQ(KelvoraRibbonPaintManager::GetGroupsBackgroundImageName(nullptr), QStringLiteral("RIBBONGROUPS"));
}

TEST(KelvoraRibbonPaintManagerTest, AContextualMainTabIsPaintedLikeAPlainOne)
{
    const auto plain = MakeTab(RibbonTabLevelMain, RibbonContextColorNone);
    const auto contextualMain = MakeTab(RibbonTabLevelMain, RibbonContextColorRed);
    const auto contextual = MakeTab(RibbonTabLevelContext, RibbonContextColorRed);
    const QImage plainImage = Fill(plain.get());
    EXPECT_EQ(Fill(contextualMain.get()), plainImage);
    EXPECT_NE(Fill(contextual.get()), plainImage);
}

TEST(KelvoraRibbonPaintManagerTest, AColourWithoutImagePaintsNothing)
{
    const auto tab = MakeTab(RibbonTabLevelContext, 9);
    QImage untouched(40, 30, QImage::Format_ARGB32);
    untouched.fill(Qt::magenta);
    EXPECT_EQ(Fill(tab.get()), untouched);
}
}
