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
