#include "platform/base/TextHelper.h"
#include "platform/toolkit/GalleryControl.h"
#include "ribbon/galleries/BitmapGalleryItem.h"
#include "tests/support/ui/TestApplication.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

TEST(BitmapGalleryItemTest, ItsSizeFollowsThePictureAndTheCaptionBand)
{
    TestApplication::Ensure();
    QPixmap picture(40, 30);
    picture.fill(Qt::red);
    const int band = TextHelper::GetTextSize(QStringLiteral("W")).height() + 4;

    const BitmapGalleryItem plain(picture, QString());
    EXPECT_EQ(plain.GetSize(), QSize(44, 34));
    const BitmapGalleryItem captioned(picture, QStringLiteral("Klasyczny"));
    EXPECT_EQ(captioned.GetCaptionHeight(), band);
    EXPECT_EQ(captioned.GetSize(), QSize(44, 34 + band));
    const BitmapGalleryItem empty(QPixmap(), QStringLiteral("Bez obrazu"));
    EXPECT_FALSE(empty.GetSize().isValid()) << "the gallery's item size applies";
}

TEST(BitmapGalleryItemTest, ItDrawsItsPictureOnItsBackgroundInsideTheFrame)
{
    TestApplication::Ensure();
    QPixmap picture(10, 10);
    picture.fill(Qt::transparent);
    const BitmapGalleryItem item(picture, QString(), 0x00FF00);
    GalleryControl gallery;
    QImage canvas(14, 14, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        item.Draw(painter, gallery, QRect(0, 0, 14, 14), GalleryItemState{true, false, false});
    }
    EXPECT_EQ(canvas.pixelColor(7, 7), QColor(0, 0xFF, 0)) << "the background shows through";
    EXPECT_EQ(canvas.pixelColor(2, 2), QColor(0xC0, 0xC0, 0xC0)) << "a plain frame";
    EXPECT_EQ(canvas.pixelColor(0, 0), QColor(Qt::white)) << "2 pixels of margin";

    QImage blank(14, 14, QImage::Format_RGB32);
    blank.fill(Qt::white);
    {
        QPainter painter(&blank);
        BitmapGalleryItem(QPixmap(), QString()).Draw(painter, gallery, QRect(0, 0, 14, 14), GalleryItemState{});
    }
    EXPECT_EQ(blank.pixelColor(7, 7), QColor(Qt::white)) << "no picture and no caption draw nothing";
}
