#include "core/indicators/UserIndicatorsGallery.h"
#include "platform/base/TextHelper.h"
#include "platform/modules/KFLFasade.h"
#include "platform/toolkit/GalleryControl.h"
#include "tests/support/ui/TestApplication.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// Offers the indicators the test gives, in that order.
class FakeFormulaLanguage : public KFLFasade
{
public:
    bool ToggleIDE(QWidget*) override { return false; }
    bool IsIDEOpended() const override { return false; }
    bool OpenStrategyTesterIDE(QWidget*) override { return false; }
    bool EditScript(const QString&, QWidget*) override { return false; }
    void ForEachAvailableUDI(const std::function<void(const ScriptFileInfo&)>& callback) const override
    {
        for (const ScriptFileInfo& info : indicators)
            callback(info);
    }
    IGenericModule* Module() override { return nullptr; }
    void NotifySaveModuleState() override {}
    void CleanupKFLLibrary() override {}
    KFLExplorer* GetExplorer() override { return nullptr; }
    KFLEditor* GetEditor() override { return nullptr; }

    void Add(const QString& alias, bool drawable = true)
    {
        ScriptFileInfo info;
        info.alias = alias;
        info.drawable = drawable;
        indicators.push_back(info);
    }

    std::vector<ScriptFileInfo> indicators;
};

class UserIndicatorsGalleryTest : public testing::Test
{
protected:
    void SetUp() override { TestApplication::Ensure(); }

    QSize ExpectedItemSize() const
    {
        int width = 0;
        int height = 0;
        for (const ScriptFileInfo& info : kfl.indicators)
        {
            const QSize size = TextHelper::GetTextSize(info.alias + QLatin1Char(' '), font);
            width = std::max(width, size.width());
            height = std::max(height, size.height());
        }
        return QSize(width + 3, height * 2);
    }

    QStringList Captions() const
    {
        QStringList captions;
        for (int i = 0; i < gallery.GetItemCount(); ++i)
            captions.append(gallery.GetItem(i)->GetCaption());
        return captions;
    }

    FakeFormulaLanguage kfl;
    GalleryControl gallery;
    QFont font{QStringLiteral("DejaVu Sans"), 9};
};
}

TEST_F(UserIndicatorsGalleryTest, WithoutIndicatorsTheGalleryIsEmptiedToThreeByZero)
{
    gallery.AddItem(7, QStringLiteral("stary"));
    UserIndicatorsGallery::Fill(&kfl, gallery, font);
    EXPECT_EQ(gallery.GetItemCount(), 0);
    EXPECT_EQ(gallery.GetWidth(), 3);
    EXPECT_EQ(gallery.GetHeight(), 0);

    UserIndicatorsGallery::Fill(nullptr, gallery, font);
    EXPECT_EQ(QSize(gallery.GetWidth(), gallery.GetHeight()), QSize(3, 0));
}

TEST_F(UserIndicatorsGalleryTest, AliasesAreListedOnceInOrderWithoutRegardToCase)
{
    kfl.Add(QStringLiteral("srednia"));
    kfl.Add(QStringLiteral("Alfa"));
    kfl.Add(QStringLiteral("ALFA"), false);
    kfl.Add(QStringLiteral("beta"), false);
    kfl.Add(QStringLiteral("Beta"));
    UserIndicatorsGallery::Fill(&kfl, gallery, font);

    EXPECT_EQ(Captions(), (QStringList{QStringLiteral("Alfa"), QStringLiteral("beta"), QStringLiteral("srednia")}))
        << "the first spelling stays";
    EXPECT_FALSE(gallery.GetItem(0)->IsEnabled()) << "the later flag wins: not drawable";
    EXPECT_TRUE(gallery.GetItem(1)->IsEnabled());
    EXPECT_TRUE(gallery.GetItem(2)->IsEnabled());

    const QSize itemSize = ExpectedItemSize();
    EXPECT_EQ(gallery.GetItemSize(), itemSize);
    EXPECT_EQ(gallery.GetItem(0)->GetSize(), itemSize);
    EXPECT_EQ(gallery.GetWidth(), itemSize.width());
    EXPECT_EQ(gallery.GetHeight(), 3 * itemSize.height());
    EXPECT_FALSE(gallery.GetShowScrollBar());
}

TEST_F(UserIndicatorsGalleryTest, ANonDrawableIndicatorIsShownButCannotBeChosen)
{
    kfl.Add(QStringLiteral("Rysowany"));
    kfl.Add(QStringLiteral("Tylko obliczany"), false);
    UserIndicatorsGallery::Fill(&kfl, gallery, font);
    ASSERT_EQ(Captions(), (QStringList{QStringLiteral("Rysowany"), QStringLiteral("Tylko obliczany")}));

    gallery.HoverItem(1);
    EXPECT_EQ(gallery.GetSelectedItem(), -1);
    gallery.ChooseItem(1);
    EXPECT_EQ(gallery.GetSelectedItem(), -1);
    gallery.HoverItem(0);
    EXPECT_EQ(gallery.GetSelectedItem(), 0);
}

TEST_F(UserIndicatorsGalleryTest, MoreThanSixteenIndicatorsScrollInAWiderGallery)
{
    struct Case
    {
        int count;
        int visible;
        bool scrolls;
    };
    for (const Case c : {Case{16, 16, false}, Case{17, 16, true}, Case{20, 16, true}})
    {
        SCOPED_TRACE(c.count);
        kfl.indicators.clear();
        for (int i = 0; i < c.count; ++i)
            kfl.Add(QStringLiteral("Wskaźnik %1").arg(i, 2, 10, QLatin1Char('0')));
        UserIndicatorsGallery::Fill(&kfl, gallery, font);

        const QSize itemSize = ExpectedItemSize();
        EXPECT_EQ(gallery.GetItemCount(), c.count);
        EXPECT_EQ(gallery.GetHeight(), c.visible * itemSize.height());
        EXPECT_EQ(gallery.GetWidth(), itemSize.width() + (c.scrolls ? 20 : 0));
        EXPECT_EQ(gallery.GetShowScrollBar(), c.scrolls);
    }
}
