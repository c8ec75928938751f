#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "ribbon/QuorvantaTab.h"
#include "tests/styles/ui/StyleEditBench.h"
#include "tests/styles/ui/StyleTabIds.h"

#include <gtest/gtest.h>

namespace
{
struct GroupLayout
{
    QString caption;
    std::vector<std::uint32_t> ids;
};

struct TabLayout
{
    std::uint32_t id;
    QString caption;
    std::vector<GroupLayout> groups;
};

QuorvantaTab* PreparedTab(StyleEditBench& bench, std::uint32_t id)
{
    auto* tab = dynamic_cast<QuorvantaTab*>(bench.Ribbon().FindTab(id));
    return tab && tab->Prepare() ? tab : nullptr;
}
}

// The details, offers and formation style tabs: their ids, captions, groups in order and the
// controls of each group in order; the odd rows' controls come before the even rows' in the
// same order, and the offers' price-row group stands first.
TEST(ChartAndQuoteStyleTabsTest, TabsGroupsAndControlsInOrder)
{
    const TabLayout tabs[] = {
        {33143,
         QStringLiteral("Ustawienia ogólne"),
         {{QStringLiteral("Linie siatki"), {33145, 33146, 33147, 33148, 33149}},
          {QStringLiteral("Kolorowanie"), {33150, 33151, 33152, 33154}},
          {QStringLiteral("Zmiany"), {33153, 33155}}}},
        {33144,
         QStringLiteral("Parametry"),
         {{QStringLiteral("Nieparzyste"), {33159, 33160, 33161, 33162, 33163, 33164, 33165, 33166, 33167, 33168}},
          {QStringLiteral("Parzyste"), {33169, 33170, 33171, 33172, 33173, 33174, 33175, 33176, 33177, 33178}}}},
        {33179,
         QStringLiteral("Ustawienia ogólne"),
         {{QStringLiteral("Styl wiersza ceny"), {33205, 33183, 33184, 33185, 33186, 33187, 33188, 33189, 33190, 33191}},
          {QStringLiteral("Linie siatki"), {33193, 33194, 33195, 33196, 33197}},
          {QStringLiteral("Kolorowanie"), {33198, 33199, 33200, 33202}},
          {QStringLiteral("Zmiany"), {33201, 33203}}}},
        {33180,
         QStringLiteral("Parametry"),
         {{QStringLiteral("Nieparzyste"), {33207, 33208, 33209, 33210, 33211, 33212, 33213, 33214, 33215, 33216}},
          {QStringLiteral("Parzyste"), {33217, 33218, 33219, 33220, 33221, 33222, 33223, 33224, 33225, 33226}}}},
    };
    StyleEditBench bench;
    ASSERT_TRUE(bench.factory.CreateStyleEditTabs());
    for (const TabLayout& layout : tabs)
    {
        SCOPED_TRACE(layout.id);
        QuorvantaTab* tab = PreparedTab(bench, layout.id);
        ASSERT_NE(tab, nullptr);
        EXPECT_EQ(tab->GetCaption(), layout.caption);
        ASSERT_EQ(tab->GetGroups().size(), layout.groups.size());
        for (std::size_t index = 0; index < layout.groups.size(); ++index)
        {
            const RibbonGroupBase& group = *tab->GetGroups()[index];
            EXPECT_EQ(group.GetCaption(), layout.groups[index].caption) << index;
            EXPECT_EQ(IdsOf(group), layout.groups[index].ids) << index;
        }
    }
}

// The grid check boxes show the short captions and keep the long ones as tooltips; the offers'
// row colour buttons show no caption; the commands keep their own captions.
TEST(ChartAndQuoteStyleTabsTest, ControlCaptions)
{
    struct Caption
    {
        std::uint32_t tab;
        std::uint32_t id;
        QString caption;
        QString tooltip;  // empty: not checked
    };
    const Caption captions[] = {
        {33143, 33145, QStringLiteral("Pozioma"), QStringLiteral("Pozioma linia siatki")},
        {33143, 33146, QStringLiteral("Pionowa"), QStringLiteral("Pionowa linia siatki")},
        {33143, 33147, QStringLiteral("Kolor linii siatki"), {}},
        {33143, 33148, QStringLiteral("Typ linii"), {}},
        {33143, 33149, QStringLiteral("Grubość linii"), {}},
        {33143, 33150, QStringLiteral("Koloruj"), {}},
        {33143, 33153, QStringLiteral("Odrzuć"), {}},
        {33143, 33155, QStringLiteral("Zapisz"), {}},
        {33144, 33160, QStringLiteral("Czcionka"), {}},
        {33144, 33171, QStringLiteral("Rozmiar czcionki"), {}},
        {33144, 33162, QStringLiteral("Kolor czcionki"), {}},
        {33144, 33177, QStringLiteral("Kolor tła gdy spadek"), {}},
        {33179, 33193, QStringLiteral("Pozioma"), QStringLiteral("Pozioma linia siatki")},
        {33179, 33194, QStringLiteral("Pionowa"), QStringLiteral("Pionowa linia siatki")},
        {33179, 33195, QStringLiteral("Kolor linii siatki"), {}},
        {33179, 33198, QStringLiteral("Koloruj"), {}},
        {33179, 33201, QStringLiteral("Odrzuć"), {}},
        {33179, 33203, QStringLiteral("Zapisz"), {}},
        {33179, 33183, QStringLiteral("Czcionka"), {}},
        {33179, 33185, QString(), QStringLiteral("Kolor czcionki")},
        {33180, 33213, QString(), QStringLiteral("Kolor tła")},
        {33180, 33225, QString(), QStringLiteral("Kolor tła gdy spadek")},
    };
    StyleEditBench bench;
    ASSERT_TRUE(bench.factory.CreateStyleEditTabs());
    for (const Caption& entry : captions)
    {
        SCOPED_TRACE(entry.id);
        QuorvantaTab* tab = PreparedTab(bench, entry.tab);
        ASSERT_NE(tab, nullptr);
        const RibbonControl* control = nullptr;
        for (const auto& group : tab->GetGroups())
            control = control ? control : group->FindControl(entry.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->GetCaption(), entry.caption);
        if (!entry.tooltip.isEmpty())
        {
            EXPECT_EQ(control->GetTooltip(), entry.tooltip);
        }
    }
}
