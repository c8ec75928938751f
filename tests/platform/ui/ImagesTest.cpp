#include "platform/ui/Images.h"
#include "tests/support/ui/TestApplication.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace
{
class ImagesTest : public ::testing::Test
{
protected:
    void SetUp() override { TestApplication::Ensure(); }
};

bool HasVisiblePixels(const QIcon& icon)
{
    const QImage image = icon.pixmap(16).toImage();
    for (int y = 0; y < image.height(); ++y)
    {
        for (int x = 0; x < image.width(); ++x)
        {
            if (qAlpha(image.pixel(x, y)) != 0)
                return true;
        }
    }
    return false;
}
}

TEST_F(ImagesTest, EveryIdGetsAVisibleIcon)
{
    Images images;
    ASSERT_TRUE(images.LoadMap("# mapa\n32914\tdocument-open\n1\tq4-no-such-icon\n", QStringLiteral("test")));
    EXPECT_EQ(images.IconName(32914), QStringLiteral("document-open"));
    // Mapped, mapped to a name no theme has, and not mapped at all.
    for (const std::uint32_t id : {32914u, 1u, 2u})
    {
        const QIcon icon = images.Icon(id);
        ASSERT_FALSE(icon.isNull()) << id;
        EXPECT_TRUE(HasVisiblePixels(icon)) << id;
    }
}

TEST_F(ImagesTest, AFaultyMapAddsNothing)
{
    const char* faulty[] = {"3\n", "x\tdocument-open\n", "3\tdocument-open\textra\n", "4\tdocument-save\n4\ttab-new\n"};
    for (const char* text : faulty)
    {
        Images images;
        QString errorText;
        EXPECT_FALSE(images.LoadMap(text, QStringLiteral("faulty"), &errorText)) << text;
        EXPECT_FALSE(errorText.isEmpty());
        EXPECT_TRUE(images.IconName(3).isEmpty());
        EXPECT_TRUE(images.IconName(4).isEmpty());
    }
}

TEST_F(ImagesTest, TheProgramsMapIsCompiledInAndSound)
{
    QFile file(QStringLiteral(":/resources/icons.tsv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    Images images;
    QString errorText;
    EXPECT_TRUE(images.LoadMap(file.readAll(), file.fileName(), &errorText)) << errorText.toStdString();
    EXPECT_EQ(Images::Instance().IconName(32989), QStringLiteral("tab-new"));
}

TEST_F(ImagesTest, EveryCommandsIconIsBundledInTheRibbonsTwoSizes)
{
    for (const QString& map : {QStringLiteral("icons.tsv"), QStringLiteral("icons.ribbon.tsv"), QStringLiteral("icons.statusbar.tsv")})
    {
        QFile file(QStringLiteral(":/resources/") + map);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << map.toStdString();
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString& line : lines)
        {
            if (line.startsWith(QLatin1Char('#')))
                continue;
            const QString name = line.section(QLatin1Char('\t'), 1).trimmed();
            const QList<QSize> sizes = Images::BundledIcon(name).availableSizes();
            EXPECT_TRUE(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32))) << name.toStdString();
        }
    }
}

TEST_F(ImagesTest, ANameTheThemeLacksIsDrawnFromTheBundleNotFromTheDrawnTile)
{
    const QString theme = QIcon::themeName();
    QIcon::setThemeName(QStringLiteral("q4-no-such-theme"));
    Images images;
    ASSERT_TRUE(images.LoadMap("32886\tdocument-save\n", QStringLiteral("test")));
    const QImage shown = images.Icon(32886).pixmap(32).toImage();
    QIcon::setThemeName(theme);
    EXPECT_EQ(shown, Images::BundledIcon(QStringLiteral("document-save")).pixmap(32).toImage());
    EXPECT_NE(shown, Images::DrawnIcon(32886).pixmap(32).toImage());
}
