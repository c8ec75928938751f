#include "core/app/ThemeExporter.h"
#include "platform/settings/Settings.h"
#include "tests/core/app/FakeApplicationStyles.h"
#include "tests/support/TempHome.h"
#include "tests/support/ui/ScopedFakeDialogs.h"
#include "tests/support/ui/TestApplication.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

class ThemeExporterTest : public ::testing::Test
{
protected:
    ThemeExporterTest()
    {
        TestApplication::Ensure();
        chart.styleId = 5;
        table.styleId = 0;
        offers.styleId = 9;
    }

    ThemeExporter Exporter() { return ThemeExporter(styles, {&chart, &table, &offers}); }

    TempHome home;
    ScopedFakeDialogs dialogs;
    FakeApplicationStyles styles;
    FakeModule<IGenericModule> chart{QStringLiteral("Chart")};
    FakeModule<IGenericModule> table{QStringLiteral("Table")};
    FakeModule<IGenericModule> offers{QStringLiteral("Offers")};
};

TEST_F(ThemeExporterTest, ModulesWithoutANamedStyleAreNamedToTheUserAndNothingIsWritten)
{
    table.styleId = -2;
    offers.styleId = -2;
    EXPECT_FALSE(Exporter().Export());
    ASSERT_EQ(dialogs.MessageBox().Boxes().size(), 1u);
    EXPECT_EQ(dialogs.MessageBox().Boxes()[0].text,
              QStringLiteral("Moduły\n\nTable\nOffers\n posiadają styl własny bądź nie mają otwartego okna."));
    EXPECT_TRUE(dialogs.FileDialog().Requests().empty());
}

TEST_F(ThemeExporterTest, TheThemeHoldsEachNamedStylesGuidAndTheRibbonTheme)
{
    const QString path = QDir(home.Path()).filePath(QStringLiteral("motyw.q4theme"));
    dialogs.FileDialog().SetAnswer(path);
    EXPECT_TRUE(Exporter().Export());

    ASSERT_EQ(dialogs.FileDialog().Requests().size(), 1u);
    EXPECT_EQ(dialogs.FileDialog().Requests()[0].defaultExtension, QStringLiteral("q4theme"));
    EXPECT_EQ(dialogs.FileDialog().Requests()[0].filter, QStringLiteral("Themes (*.q4theme)|*.q4theme||"));
    Settings theme;
    ASSERT_TRUE(theme.LoadFromFile(path, QStringLiteral("Q4Theme")));
    const Settings& read = theme;
    EXPECT_EQ(read[QStringLiteral("WindowStyles")][QStringLiteral("Chart")].ToString(), QStringLiteral("{GUID-5}"));
    EXPECT_EQ(read[QStringLiteral("WindowStyles")][QStringLiteral("Offers")].ToString(), QStringLiteral("{GUID-9}"));
    EXPECT_FALSE(read[QStringLiteral("WindowStyles")].Exists(QStringLiteral("Table")));
    EXPECT_EQ(read[QStringLiteral("ApplicationStyle")].ToString(), QStringLiteral("Office2010;Black"));
}

TEST_F(ThemeExporterTest, ACancelledDialogWritesNothing)
{
    EXPECT_FALSE(Exporter().Export());
    EXPECT_EQ(QDir(home.Path()).entryList({QStringLiteral("*.q4theme")}, QDir::Files), QStringList());
}
