#include "platform/toolkit/CommandBars.h"
#include "platform/toolkit/PaintManager.h"
#include "platform/toolkit/RibbonBarBase.h"
#include "platform/toolkit/RibbonBarView.h"
#include "platform/toolkit/RibbonTabBase.h"
#include "tests/support/ui/TestApplication.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <vector>

namespace
{
// Records the tabs whose group row it is asked to fill.
class RecordingRibbonPaintManager : public RibbonPaintManager
{
public:
    explicit RecordingRibbonPaintManager(std::vector<const RibbonTabBase*>& filled)
        : m_filled(filled)
    {
    }

    void FillGroupsBackground(QPainter& painter, const RibbonTabBase* tab, const QRect& rect,
                              const RibbonPalette& palette) const override
    {
        m_filled.push_back(tab);
        RibbonPaintManager::FillGroupsBackground(painter, tab, rect, palette);
    }

private:
    std::vector<const RibbonTabBase*>& m_filled;
};

// The look is process-wide: each test puts the toolkit's own back.
class PaintManagerTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        PaintManager& look = PaintManager::Instance();
        look.SetRibbonPaintManager(nullptr);
        look.SetRibbonPalette(RibbonPalette());
        look.SetXtremeColors({});
        look.SetImageColors({});
    }
};

TEST_F(PaintManagerTest, ColoursTheLookDoesNotSetFallBack)
{
    PaintManager& look = PaintManager::Instance();
    RibbonPalette palette;
    palette.frame = QColor(0x47, 0x47, 0x47);
    look.SetRibbonPalette(palette);
    look.SetXtremeColors({{41, QColor(0xF0, 0xF0, 0xF0)}});
    look.SetImageColors({{PaintManager::ImageColorKey(QStringLiteral("Toolbar"), QStringLiteral("ControlGalleryBorder")),
                          QColor(0x9A, 0x9A, 0x9A)}});
    EXPECT_EQ(look.GetXtremeColor(41), QColor(0xF0, 0xF0, 0xF0));
    EXPECT_EQ(look.GetXtremeColor(30), palette.frame);
    EXPECT_EQ(look.GetImageColor(QStringLiteral("TOOLBAR"), QStringLiteral("controlGalleryBorder")), QColor(0x9A, 0x9A, 0x9A));
    EXPECT_EQ(look.GetImageColor(QStringLiteral("Toolbar"), QStringLiteral("ControlGalleryNormal"), Qt::red),
              QColor(Qt::red));
}

TEST_F(PaintManagerTest, TheRibbonPaintsItsGroupRowThroughTheInstalledPaintManager)
{
    TestApplication::Ensure();
    CommandBars commandBars;
    RibbonBarBase* ribbon = commandBars.AddRibbonBar(std::make_unique<RibbonBarBase>(), QStringLiteral("Wstążka"));
    ribbon->InsertTab(0, QStringLiteral("Narzędzia główne"), 1)->AddGroup(QStringLiteral("Okna"));
    RibbonTabBase* second = ribbon->InsertTab(1, QStringLiteral("Tabela"), 2);
    second->SetContextColor(RibbonContextColorGreen);
    ASSERT_TRUE(ribbon->SetCurrentTab(second));
    RibbonBarView view(*ribbon);
    view.resize(600, view.sizeHint().height());

    std::vector<const RibbonTabBase*> filled;
    int changes = 0;
    const QMetaObject::Connection counting =
        QObject::connect(&PaintManager::Instance(), &PaintManager::changed, [&changes] { ++changes; });
    PaintManager::Instance().SetRibbonPaintManager(std::make_unique<RecordingRibbonPaintManager>(filled));
    QObject::disconnect(counting);
    EXPECT_EQ(changes, 1);
    view.grab();

    EXPECT_EQ(filled, (std::vector<const RibbonTabBase*>{second}));
}
}
