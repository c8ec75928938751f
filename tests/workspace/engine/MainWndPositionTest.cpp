#include "platform/settings/Settings.h"
#include "tests/workspace/engine/DesktopFixture.h"
#include "workspace/engine/MainWndPosition.h"

TEST(MainWndPositionTest, RectangleIsBroughtOntoTheNearestWorkArea)
{
    const Rect left{0, 0, 1920, 1040};
    const Rect right{1920, 0, 3200, 984};
    struct Case
    {
        const char* label;
        Rect rect;
        std::vector<Rect> areas;
        Rect expected;
    };
    const Case cases[] = {
        {"inside", {100, 100, 900, 700}, {left}, {100, 100, 900, 700}},
        {"top-left on the area, the rest beyond", {1500, 500, 2500, 1500}, {left}, {1500, 500, 2500, 1500}},
        {"top-right on the area", {-300, 200, 500, 700}, {left}, {-300, 200, 500, 700}},
        {"above the area", {100, -500, 900, -20}, {left}, {100, 0, 900, 480}},
        {"on a monitor no longer attached", {3300, 100, 4100, 700}, {left, right}, {2400, 100, 3200, 700}},
        {"larger than the area", {-5000, -5000, 5000, 5000}, {right}, {1920, 0, 3200, 984}},
        {"mostly on the second monitor", {1800, -200, 2800, 400}, {left, right}, {1920, 0, 2920, 600}},
        {"no work area known", {5000, 5000, 5800, 5600}, {}, {5000, 5000, 5800, 5600}},
        {"an empty work area is no monitor", {5000, 5000, 5800, 5600}, {Rect{}}, {5000, 5000, 5800, 5600}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MainWndPosition::FitToWorkAreas(c.rect, c.areas), c.expected) << c.label;
}

class MainWndPositionFileTest : public DesktopFixture
{
protected:
    QString File() const { return Path(QStringLiteral("MainWndPosition.state")); }
};

TEST_F(MainWndPositionFileTest, SavedPositionLoadsOnceAndFitsTheScreens)
{
    ASSERT_TRUE(MainWndPosition::SaveWindowPosition(File(), Rect{4000, 100, 4800, 700}, false));
    Settings file;
    ASSERT_TRUE(file.LoadFromFile(File(), QStringLiteral("MainWnd")));
    EXPECT_EQ(file[QStringLiteral("Rect")].ToString(), QStringLiteral("4000,100,4800,700"));
    EXPECT_EQ(file[QStringLiteral("Maximized")].ToString(), QStringLiteral("0"));

    MainWndPosition position;
    position.LoadWindowPosition(File(), {Rect{0, 0, 1920, 1040}});
    EXPECT_TRUE(position.HasRect());
    EXPECT_EQ(position.GetRect(), (Rect{1120, 100, 1920, 700}));
    EXPECT_FALSE(position.IsMaximized());

    // Read only while no rectangle is known.
    ASSERT_TRUE(MainWndPosition::SaveWindowPosition(File(), Rect{10, 10, 20, 20}, true));
    position.LoadWindowPosition(File(), {Rect{0, 0, 1920, 1040}});
    EXPECT_EQ(position.GetRect(), (Rect{1120, 100, 1920, 700}));
}

TEST_F(MainWndPositionFileTest, WithoutAUsableRectangleTheWindowOpensMaximisedWhereTheSystemPutsIt)
{
    MainWndPosition missing;
    missing.LoadWindowPosition(File(), {Rect{0, 0, 1920, 1040}});
    EXPECT_FALSE(missing.HasRect());
    EXPECT_TRUE(missing.IsMaximized());

    for (const QByteArray& rect : {QByteArray("0,0,0,0"), QByteArray("500,500,100,100"), QByteArray("x")})
    {
        ASSERT_TRUE(Write(File(), "<?xml version=\"1.0\"?>\r\n<MainWnd><n k=\"Rect\" v=\"" + rect +
                                      "\"/><n k=\"Maximized\" v=\"0\"/></MainWnd>"));
        MainWndPosition position;
        position.LoadWindowPosition(File(), {Rect{0, 0, 1920, 1040}});
        EXPECT_FALSE(position.HasRect()) << rect.constData();
        EXPECT_FALSE(position.IsMaximized()) << rect.constData();
    }
}
