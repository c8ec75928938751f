#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/GalleryGeometry.h"
#include "platform/toolkit/GalleryPaintManager.h"
#include "platform/toolkit/GalleryWidget.h"
#include "tests/support/ui/TestApplication.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

#include <gtest/gtest.h>

namespace
{
void Click(QWidget& widget, const QPoint& point)
{
    const QPoint global = widget.mapToGlobal(point);
    QMouseEvent press(QEvent::MouseButtonPress, point, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, point, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QApplication::sendEvent(&widget, &release);
}

// Ten 20 x 20 cells, a label and ten more: at 100 pixels, rows of five.
void Fill(GalleryControl& gallery)
{
    gallery.SetItemSize(QSize(20, 20));
    for (std::uint32_t id = 1; id <= 10; ++id)
        gallery.AddItem(id, QString::number(id));
    GalleryItem* label = gallery.AddItem(0, QStringLiteral("Etykieta"));
    label->SetLabel(true);
    label->SetSize(QSize(100, 12));
    for (std::uint32_t id = 11; id <= 20; ++id)
        gallery.AddItem(id, QString::number(id));
}
}

TEST(GalleryGeometryTest, ItemsFlowInTheirOwnSizesAndLabelsTakeARow)
{
    GalleryControl gallery;
    gallery.SetItemSize(QSize(17, 17));
    GalleryItem* wide = gallery.AddItem(1, QStringLiteral("Szeroki"));
    wide->SetSize(QSize(170, 16));
    gallery.AddItem(2, QString());
    gallery.AddItem(3, QString());
    GalleryItem* label = gallery.AddItem(0, QStringLiteral("Etykieta"));
    label->SetLabel(true);
    label->SetSize(QSize(170, 13));
    gallery.AddItem(4, QString());

    const std::vector<QRect> rects = GalleryGeometry::ItemRects(gallery, QRect(0, 0, 171, 200));
    ASSERT_EQ(rects.size(), 5u);
    EXPECT_EQ(rects[0], QRect(0, 0, 170, 16));
    EXPECT_EQ(rects[1], QRect(0, 16, 17, 17)) << "a cell does not fit beside the wide item";
    EXPECT_EQ(rects[2], QRect(17, 16, 17, 17));
    EXPECT_EQ(rects[3], QRect(0, 33, 171, 13)) << "a label spans the area";
    EXPECT_EQ(rects[4], QRect(0, 46, 17, 17));
    EXPECT_EQ(GalleryGeometry::ContentSize(gallery, 171), QSize(171, 63));

    gallery.SetShowLabels(false);
    const std::vector<QRect> hidden = GalleryGeometry::ItemRects(gallery, QRect(0, 0, 171, 200));
    EXPECT_TRUE(hidden[3].isEmpty());
    EXPECT_EQ(hidden[4], QRect(34, 16, 17, 17)) << "a hidden label starts no row";
}

TEST(GalleryPaintManagerTest, ButtonStatesFollowTheHotAndPressedCodes)
{
    GalleryControl gallery;
    Fill(gallery);
    gallery.SetRect(QRect(0, 0, 100, 40));
    gallery.SetScrollPos(20);
    using GPM = GalleryPaintManager;
    struct Case
    {
        int code;
        int hot;
        int pressed;
        GPM::ButtonState expected;
    };
    const Case cases[] = {
        {GalleryControl::ScrollUp, 0, 0, GPM::ButtonNormal},
        {GalleryControl::ScrollUp, GalleryControl::ScrollUp, 0, GPM::ButtonHot},
        {GalleryControl::ScrollDown, GalleryControl::ScrollUp, 0, GPM::ButtonColumnHot},
        {GalleryControl::ScrollUp, GalleryControl::ScrollDown, GalleryControl::ScrollUp, GPM::ButtonPressed},
        {GalleryControl::ScrollDown, GalleryControl::ScrollDown, GalleryControl::ScrollUp, GPM::ButtonColumnHot},
        // Without a popup of its own the gallery cannot expand.
        {GalleryControl::ScrollExpand, GalleryControl::ScrollExpand, 0, GPM::ButtonDisabled},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GPM::GetButtonState(gallery, c.code, c.hot, c.pressed), c.expected) << c.code << "/" << c.hot;
    gallery.SetEnabled(false);
    EXPECT_EQ(GPM::GetButtonState(gallery, GalleryControl::ScrollUp, 0, 0), GPM::ButtonDisabled);
}

TEST(GalleryWidgetTest, AGalleryTallerThanItsHeightScrollsThroughItsColumn)
{
    TestApplication::Ensure();
    GalleryControl gallery;
    Fill(gallery);
    gallery.SetWidth(115);
    gallery.SetHeight(40);
    GalleryWidget widget(gallery);
    widget.setFixedSize(widget.sizeHint());
    widget.show();

    EXPECT_EQ(widget.size(), QSize(115, 40));
    EXPECT_EQ(widget.ScrollColumn(), QRect(100, 0, 15, 40));
    EXPECT_EQ(gallery.GetItemsRect(), QRect(0, 0, 100, 40));
    EXPECT_FALSE(gallery.IsScrollButtonEnabled(GalleryControl::ScrollUp));
    EXPECT_TRUE(gallery.IsScrollButtonEnabled(GalleryControl::ScrollDown));

    Click(widget, QPoint(105, 25));
    EXPECT_EQ(gallery.GetScrollPos(), 20) << "down scrolls one row";
    Click(widget, QPoint(10, 5));
    EXPECT_EQ(gallery.GetSelectedItem(), 5) << "the second row is now at the top";
    for (int clicks = 0; clicks < 10; ++clicks)
        Click(widget, QPoint(105, 25));
    EXPECT_EQ(gallery.GetScrollPos(), gallery.GetItemsHeight() - 40) << "never past the last row";
    EXPECT_FALSE(gallery.IsScrollButtonEnabled(GalleryControl::ScrollDown));
    Click(widget, QPoint(105, 5));
    EXPECT_EQ(gallery.GetScrollPos(), gallery.GetItemsHeight() - 60);

    GalleryControl small;
    small.AddItem(1, QStringLiteral("Jedyny"));
    small.SetHeight(40);
    GalleryWidget fits(small);
    fits.resize(fits.sizeHint());
    EXPECT_TRUE(fits.ScrollColumn().isEmpty()) << "no column when everything fits";
}

TEST(GalleryWidgetTest, EachItemShowsItsOwnTooltip)
{
    TestApplication::Ensure();
    GalleryControl gallery;
    gallery.SetTooltip(QStringLiteral("Galeria"));
    gallery.SetItemSize(QSize(40, 20));
    gallery.SetWidth(80);
    gallery.AddItem(1, QStringLiteral("A"))->SetToolTip(QStringLiteral("<b>Pierwszy</b>"));
    GalleryWidget widget(gallery);
    widget.resize(widget.sizeHint());
    widget.show();

    QHelpEvent onItem(QEvent::ToolTip, QPoint(5, 5), widget.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&widget, &onItem);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("<b>Pierwszy</b>"));
    QHelpEvent offItems(QEvent::ToolTip, QPoint(60, 5), widget.mapToGlobal(QPoint(60, 5)));
    QApplication::sendEvent(&widget, &offItems);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Galeria"));
    QToolTip::hideText();
}

TEST(GalleryWidgetTest, ADisabledItemCanBeNeitherPreviewedNorChosen)
{
    TestApplication::Ensure();
    GalleryControl gallery;
    Fill(gallery);
    gallery.SetWidth(115);
    gallery.SetHeight(40);
    gallery.GetItem(1)->SetEnabled(false);
    GalleryWidget widget(gallery);
    widget.setFixedSize(widget.sizeHint());
    widget.show();

    Click(widget, QPoint(30, 5));
    EXPECT_EQ(gallery.GetSelectedItem(), -1);
    Click(widget, QPoint(10, 5));
    EXPECT_EQ(gallery.GetSelectedItem(), 0);
    gallery.HoverItem(1);
    EXPECT_EQ(gallery.GetSelectedItem(), -1) << "moving onto it cancels the preview";
}
