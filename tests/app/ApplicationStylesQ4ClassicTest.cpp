#include "app/ApplicationStylesQ4Classic.h"
#include "app/MediatorSettingsQ4Classic.h"
#include "app/OrdersSheetManagerQ4Classic.h"
#include "core/app/ApplicationStylesIO.h"
#include "core/mediator/AppMediator.h"
#include "core/settings/GeneralSettingsGroupManagerBase.h"
#include "orderssheet/settings/StyleOrdersSheet.h"
#include "core/settings/GlobalSettingsQ4Classic.h"
#include "platform/base/AppPaths.h"
#include "platform/settings/Settings.h"
#include "ribbon/themes/RibbonThemes.h"
#include "ribbon/themes/ThemeManager.h"
#include "styles/engine/DefaultStyles.h"
#include "styles/engine/StyleKinds.h"
#include "styles/engine/StylesContainer.h"
#include "tests/app/ClassicAppFixture.h"

#include <QDir>
#include <QFile>

class ApplicationStylesQ4ClassicTest : public ClassicAppFixture
{
protected:
    ~ApplicationStylesQ4ClassicTest() override { StylesContainer::Release(); }

    static QStringList UserStyleFiles()
    {
        return QDir(UserStylesFolder()).entryList({QStringLiteral("*.q4style")}, QDir::Files, QDir::Name);
    }
};

TEST_F(ApplicationStylesQ4ClassicTest, TheThemeTheGlobalsNameGivesTheFrameItsColourThemeAtStart)
{
    const struct
    {
        const char* stored;
        const char* selected;
        const char* ribbonTheme;
        const char* iniName;
    } cases[] = {
        {"Jasny", "Jasny", "Office2007;Blue", "Office2007Blue.ini"},
        {"Srebrny", "Srebrny", "Office2010;Silver", "Office2010Silver.ini"},
        // A theme that is not there: "Czarny".
        {"Zielony", "Czarny", "Office2010;Black", "Office2010Black.ini"},
    };
    for (const auto& testCase : cases)
    {
        WriteGlobals({{QStringLiteral("DataVersion"), QStringLiteral("4.2.210.1")},
                      {QStringLiteral("ApplicationStyle"), QString::fromUtf8(testCase.stored)}});
        ASSERT_TRUE(Start()) << testCase.stored;
        EXPECT_EQ(GetRibbonThemeName(GetCurrentRibbonThemeIndex()), QString::fromLatin1(testCase.ribbonTheme));
        EXPECT_EQ(ThemeManager::Instance().GetIniName(), QString::fromLatin1(testCase.iniName));
        EXPECT_EQ(Settings().GetGlobalSettings()->GetApplicationStyleName(), QString::fromUtf8(testCase.selected));
        Exit();
        EXPECT_EQ(std::as_const(*ReadGlobals())[QStringLiteral("ApplicationStyle")].ToString(),
                  QString::fromUtf8(testCase.selected));
    }
    EXPECT_FALSE(LogText().contains(QStringLiteral("Program działa bez")));
}

TEST_F(ApplicationStylesQ4ClassicTest, TheUsersStylesAreSavedAtTheEndAndReadByTheNextRun)
{
    ASSERT_TRUE(Start());
    StylesContainer& styles = StylesContainer::Instance();
    ASSERT_GT(styles.GetCount(), 0);
    std::deque<std::shared_ptr<StyleBase>> all;
    styles.GetAllStyles(all);
    all.front()->SetName(QStringLiteral("Mój styl"));
    Exit();
    EXPECT_EQ(StylesContainer::Instance().GetCount(), 0);
    EXPECT_FALSE(UserStyleFiles().isEmpty());

    ASSERT_TRUE(Start());
    EXPECT_NE(StylesContainer::Instance().FindStyle(QStringLiteral("Mój styl")), 0);
    Exit();
    EXPECT_TRUE(LogText().contains(QStringLiteral("Wczytano style okien")));
}

TEST_F(ApplicationStylesQ4ClassicTest, AStyleFileTheProgramCannotReadOutlivesTheSaveAtTheEnd)
{
    const QByteArray unreadable = QByteArrayLiteral("styl z innej wersji");
    QDir().mkpath(UserStylesFolder());
    {
        QFile file(QDir(UserStylesFolder()).filePath(QStringLiteral("obcy.q4style")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(unreadable);
    }
    ASSERT_TRUE(Start());
    Exit();

    QFile file(QDir(UserStylesFolder()).filePath(QStringLiteral("obcy.q4style")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), unreadable);
    EXPECT_GT(UserStyleFiles().size(), 1);
}

TEST_F(ApplicationStylesQ4ClassicTest, WithoutThemeFilesTheBuiltInBlackStyleIsSelectedAndTheStartGoesOn)
{
    AppPaths::SetExecutableFolder(home.Path());
    ApplicationStylesQ4Classic styles;
    ApplicationStylesIO(styles, QString::fromUtf8(AppPaths::kProductName)).LoadApplicationStyles();
    EXPECT_TRUE(styles.LoadApplicationThemes());
    ASSERT_EQ(styles.GetApplicationStyles().GetCount(), 1);
    EXPECT_EQ(styles.GetApplicationStyles().GetCurrentStyle()->GetName(), QStringLiteral("Czarny"));
    EXPECT_EQ(styles.GetRibbonThemeName(), QStringLiteral("Office2007;Black"));
    // Its window styles are the built-in default styles.
    EXPECT_FALSE(styles.GetApplicationStyles().GetCurrentStyle()->GetWindowStyles().empty());
}

TEST_F(ApplicationStylesQ4ClassicTest, TheOrdersSheetStyleIsAStyleOfTheProgramAndItsThemes)
{
    ASSERT_TRUE(Start());
    auto* sheets = dynamic_cast<OrdersSheetManagerQ4Classic*>(Mediator().GetModuleByName(QStringLiteral("Arkusz zlecen")));
    ASSERT_NE(sheets, nullptr);
    ASSERT_NE(sheets->GetGeneralSettingsGroup(), nullptr);
    EXPECT_EQ(sheets->GetGeneralSettingsGroup()->GetGroupId(), 3u);

    // The selected theme ("Czarny") gives the module its dark default style.
    StylesContainer& styles = StylesContainer::Instance();
    const int darkId = styles.FindStyle(DefaultStyles::Guid(StyleOrdersSheet::Type, DefaultStyles::Look::Dark));
    ASSERT_NE(darkId, 0);
    EXPECT_EQ(sheets->GetModuleStyle(), styles.FindStyle(darkId, StyleOrdersSheet::Type));
    EXPECT_EQ(StyleKinds::DefaultStyle(StyleOrdersSheet::Type), sheets->GetModuleStyle());

    // A user's change of it is kept in the user's styles and read by the next run.
    sheets->GetModuleStyle()->SetName(QStringLiteral("Mój arkusz"));
    Exit();
    ASSERT_TRUE(Start());
    const int kept = StylesContainer::Instance().FindStyle(QStringLiteral("Mój arkusz"));
    ASSERT_NE(kept, 0);
    EXPECT_NE(StylesContainer::Instance().FindStyle(kept, StyleOrdersSheet::Type), nullptr);
    Exit();
}
