#include "ribbon/galleries/DynamicGallery.h"
#include "styles/ui/StylePreviewGalleryHelper.h"
#include "styles/ui/StylePreviewGalleryItem.h"
#include "tests/styles/ui/StyleEditBench.h"
#include "tests/support/ui/FakeMenuTracker.h"
#include "tests/support/ui/ScopedFakeDialogs.h"

#include <QApplication>
#include <QFontMetrics>

#include <gtest/gtest.h>

namespace
{
constexpr std::uint32_t ID_STYLES = 33095;

// The window's command target as the ribbon routing reaches it: it answers the gallery's
// special-styles request with what the test sets.
class SpecialStylesTarget : public CmdTarget
{
public:
    SpecialStylesTarget()
    {
        OnNotify(ID_STYLES, NotifyCodes::SpecialStylesRequest,
                 [this](NotifyInfo& info) { info.result = reinterpret_cast<std::intptr_t>(&special); });
    }
    SpecialStylesInfo special;
};

std::vector<QString> Captions(const GalleryControl& gallery)
{
    std::vector<QString> captions;
    for (int index = 0; index < gallery.GetItemCount(); ++index)
        captions.push_back(gallery.GetItem(index)->GetCaption());
    return captions;
}
}

TEST(StylePreviewGalleryHelperTest, TheWindowsSpecialStylesComeBeforeTheKeptStylesOfTheKind)
{
    StyleEditBench bench;
    SpecialStylesTarget target;
    bench.owner.GetCommandBars()->SetCommandTarget(&target);
    auto own = StyleTextField::CreateInstance();
    own->SetName(QStringLiteral("Własny okna"));
    target.special.firstStyle = StyleTextField::CreateInstance();
    target.special.firstStyle->SetName(QStringLiteral("Automatyczny"));
    target.special.styles = {own};
    target.special.checkedStyleId = bench.style->GetId();

    auto helper = std::make_shared<StylePreviewGalleryHelper>(StyleTextField::Type);
    DynamicGallery gallery(helper, ID_STYLES);
    gallery.AttachRibbon(&bench.Ribbon());
    gallery.OnCalcDynamicSize();

    const std::vector<QString> captions = Captions(gallery);
    ASSERT_GE(captions.size(), 4u);
    EXPECT_EQ(captions[0], QStringLiteral("Automatyczny"));
    EXPECT_EQ(captions[1], QStringLiteral("Używane style własne"));
    EXPECT_TRUE(gallery.GetItem(1)->IsLabel());
    EXPECT_EQ(captions[2], QStringLiteral("Własny okna"));
    EXPECT_NE(std::find(captions.begin() + 3, captions.end(), QStringLiteral("Pole testowe")), captions.end());
    EXPECT_EQ(gallery.GetCheckedItem(), static_cast<std::uint32_t>(bench.style->GetId()));
    bench.owner.GetCommandBars()->SetCommandTarget(&bench.owner.Target());
}

TEST(StylePreviewGalleryHelperTest, CopyingFromAStyleTheContainerDoesNotKeepTakesTheItemsStyle)
{
    StyleEditBench bench;
    bench.Begin();
    auto own = StyleTextField::CreateInstance();
    own->SetValue(StyleTextField::ParamFontColor, 0x123456);
    GalleryControl gallery(ID_STYLES);
    gallery.AddItem(std::make_unique<StylePreviewGalleryItem>(own));
    const int copied = bench.target->copiedCount;

    gallery.SetSelectedItem(0);
    StyleEditCmdHelper::CopyFromSelectedStyle(*bench.style, NotifyInfo(ID_STYLES, NotifyCodes::Execute, &gallery),
                                              *bench.target);

    EXPECT_EQ(bench.style->GetValue(StyleTextField::ParamFontColor), 0x123456);
    EXPECT_EQ(bench.style->GetName(), QStringLiteral("Pole testowe"));
    EXPECT_EQ(bench.target->copiedCount, copied + 1);
}

TEST(StylePreviewGalleryHelperTest, TheContextMenuBeginsEditingTheStyleUnderThePointer)
{
    StyleEditBench bench;
    ScopedFakeDialogs dialogs;
    std::vector<std::pair<std::shared_ptr<StyleBase>, QString>> requests;
    auto helper = std::make_shared<StylePreviewGalleryHelper>(
        StyleTextField::Type, QStringLiteral("pola"),
        [&requests](const std::shared_ptr<StyleBase>& style, const QString& title) { requests.emplace_back(style, title); });
    DynamicGallery gallery(helper, ID_STYLES);
    gallery.OnCalcDynamicSize();
    int index = -1;
    for (int item = 0; item < gallery.GetItemCount(); ++item)
    {
        if (gallery.GetItem(item)->GetID() == static_cast<std::uint32_t>(bench.style->GetId()))
            index = item;
    }
    ASSERT_GE(index, 0);

    gallery.SetSelectedItem(index);
    EXPECT_TRUE(gallery.OnRButtonUp(QPoint()));
    EXPECT_TRUE(requests.empty()) << "dismissed";
    ASSERT_EQ(dialogs.MenuTracker().TimesShown(), 1);
    EXPECT_EQ(dialogs.MenuTracker().Items().begin()->second.text, QStringLiteral("Podgląd i edycja stylu pola"));

    dialogs.MenuTracker().Choose(dialogs.MenuTracker().Items().begin()->first);
    gallery.OnRButtonUp(QPoint());
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].first, bench.style);
    EXPECT_EQ(requests[0].second, QStringLiteral("Podgląd i edycja stylu pola"));

    // Without the kind's text the ribbon's own handling runs.
    DynamicGallery plain(std::make_shared<StylePreviewGalleryHelper>(StyleTextField::Type), ID_STYLES);
    plain.OnCalcDynamicSize();
    plain.SetSelectedItem(index);
    EXPECT_FALSE(plain.OnRButtonUp(QPoint()));
}

TEST(StylePreviewGalleryFitTest, ItemsGrowToTheLongestStyleNameAndNeverShrink)
{
    TestApplication::Ensure();
    DynamicGallery gallery(nullptr, 33069);
    gallery.SetWidth(60);
    const QString longName = QStringLiteral("Bardzo długa nazwa stylu pola tekstowego");
    gallery.AddItem(1, longName);
    gallery.AddItem(2, QStringLiteral("Krótka"));
    StylePreviewGalleryHelper::FitCaptions(gallery);
    const int needed = QFontMetrics(QApplication::font()).horizontalAdvance(longName);
    EXPECT_GE(gallery.GetItemSize().width(), needed);
    EXPECT_EQ(gallery.GetWidth(), gallery.GetItemSize().width());
    const QSize wide(2000, 40);
    gallery.SetItemSize(wide);
    StylePreviewGalleryHelper::FitCaptions(gallery);
    EXPECT_EQ(gallery.GetItemSize(), wide);
}
