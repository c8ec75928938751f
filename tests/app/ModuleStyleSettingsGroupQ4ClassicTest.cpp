#include "app/ModuleStyleSettingsGroupQ4Classic.h"
#include "styles/engine/StyleDetails.h"
#include "styles/engine/StyleKinds.h"
#include "styles/engine/StyleOffers.h"
#include "styles/engine/StylesContainer.h"
#include "tests/support/TempHome.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace
{
class ModuleStyleSettingsGroupQ4ClassicTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        StylesContainer::Instance().GetAllStylesOfKind(StyleDetails::Type, m_before);
    }
    void TearDown() override
    {
        for (const int id : m_added)
            StylesContainer::Instance().RemoveStyle(id);
    }
    int Store(StyleType kind, const QString& name)
    {
        const std::shared_ptr<StyleBase> style = StyleKinds::Create(kind);
        style->SetName(name);
        const int id = StylesContainer::Instance().AddStyle(style);
        m_added.push_back(id);
        return id;
    }
    static ModuleStyleSettingsGroupQ4Classic Details()
    {
        return ModuleStyleSettingsGroupQ4Classic(20, StyleDetails::Type, QStringLiteral("DetailsModule"), QStringLiteral(".q4d"));
    }

    TempHome m_home;
    std::deque<std::shared_ptr<StyleBase>> m_before;
    std::vector<int> m_added;
};
}

TEST_F(ModuleStyleSettingsGroupQ4ClassicTest, TheChosenStyleIsKeptInTheLibrarysFileAndSurvivesARestart)
{
    const int chosen = Store(StyleDetails::Type, QStringLiteral("Wybrany"));
    {
        ModuleStyleSettingsGroupQ4Classic group = Details();
        group.OnStyleChanged(StyleDetails::Type, chosen);
        EXPECT_TRUE(QFileInfo::exists(group.GetSettingsFilePath(true)));
    }
    // A new run: a new group reads the file.
    const ModuleStyleSettingsGroupQ4Classic again = Details();
    EXPECT_EQ(again.GetDefaultStyleId(), chosen);
    EXPECT_EQ(again.DefaultStyle(), StylesContainer::Instance().FindStyle(chosen, StyleDetails::Type));
    EXPECT_EQ(again.GetPanelPlacement(), -1);
}

TEST_F(ModuleStyleSettingsGroupQ4ClassicTest, AnIdOfNoStoredStyleOfTheKindIsRefusedAndAGoneStyleGivesWay)
{
    const int chosen = Store(StyleDetails::Type, QStringLiteral("Wybrany"));
    const int offers = Store(StyleOffers::Type, QStringLiteral("Oferty"));
    ModuleStyleSettingsGroupQ4Classic group = Details();
    group.OnStyleChanged(StyleDetails::Type, chosen);
    for (const int wrong : {StyleBase::kOwnStyleId, offers, 987654})
    {
        group.OnStyleChanged(StyleDetails::Type, wrong);
        EXPECT_EQ(group.GetDefaultStyleId(), chosen) << wrong;
    }
    // Removed since: the first stored style of the kind stands in, or none.
    StylesContainer::Instance().RemoveStyle(chosen);
    const std::shared_ptr<StyleBase> first = m_before.empty() ? nullptr : m_before.front();
    EXPECT_EQ(group.DefaultStyle(), first);
}
