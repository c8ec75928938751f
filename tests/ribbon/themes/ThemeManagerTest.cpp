#include "platform/base/AppPaths.h"
#include "platform/toolkit/PaintManager.h"
#include "platform/toolkit/RibbonDefs.h"
#include "ribbon/RibbonCommandIds.h"
#include "ribbon/themes/ApplicationSkin.h"
#include "ribbon/themes/IRibbonThemeFrame.h"
#include "ribbon/themes/KelvoraRibbonPaintManager.h"
#include "ribbon/themes/RibbonThemeColors.h"
#include "ribbon/themes/RibbonThemeCommands.h"
#include "ribbon/themes/RibbonThemes.h"
#include "ribbon/themes/ThemeManager.h"
#include "tests/support/ui/TestApplication.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{
using namespace RibbonCommandIds;

// The main frame's part of loading a theme, without the frame.
struct ThemeLoadingFrame : IRibbonThemeFrame
{
    bool LoadRibbonTheme(const QString& themeName, const QString& iniName, const QString& normalIniName) override
    {
        return ThemeManager::Instance().LoadTheme(themeName, iniName, normalIniName);
    }
};

struct ThemeFiles
{
    QString themeName;
    QString iniName;
    QString normalIniName;
};

ThemeFiles FilesOf(int index)
{
    ThemeFiles files;
    QString colorName;
    SplitThemeString(GetRibbonThemeName(index), files.themeName, colorName);
    files.iniName = GetRibbonThemeIniName(files.themeName, colorName);
    files.normalIniName = GetRibbonThemeNormalIniName(colorName);
    return files;
}

QString ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The program's folder is a temporary one whose "Style" folder may hold theme files of the
// test's making; the default theme is current before and after each test.
class ThemeManagerTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { TestApplication::Ensure(); }

    void SetUp() override
    {
        m_savedFolder = AppPaths::ExecutableFolder();
        AppPaths::SetExecutableFolder(m_folder.path());
        SetRibbonThemeFrame(&frame);
        ASSERT_TRUE(ApplyRibbonTheme(kDefaultRibbonThemeIndex));
    }

    void TearDown() override
    {
        AppPaths::SetExecutableFolder(m_savedFolder);
        ASSERT_TRUE(ApplyRibbonTheme(kDefaultRibbonThemeIndex));
        SetRibbonThemeFrame(nullptr);
    }

    // The built-in file with one line changed (or removed, for an empty replacement), written
    // into the "Style" folder.
    void WriteStyleCopy(const QString& themeName, const QString& fileName, const QString& line, const QString& replacement)
    {
        QString text = ReadText(QStringLiteral(":/themes/%1/%2").arg(themeName, fileName));
        ASSERT_TRUE(text.contains(line)) << line.toStdString();
        text.replace(line + QLatin1Char('\n'), replacement.isEmpty() ? QString() : replacement + QLatin1Char('\n'));
        const QString folder = QDir(AppPaths::StyleFolder()).filePath(themeName);
        ASSERT_TRUE(QDir().mkpath(folder));
        QFile file(QDir(folder).filePath(fileName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }

    ThemeLoadingFrame frame;

private:
    QTemporaryDir m_folder;
    QString m_savedFolder;
};

TEST_F(ThemeManagerTest, EveryThemePutsItsFilesColoursOnTheProgram)
{
    for (int index = 0; index < kRibbonThemeCount; ++index)
    {
        const ThemeFiles files = FilesOf(index);
        RibbonThemeColors colors;
        ApplicationSkin skin;
        QString errorText;
        ASSERT_TRUE(colors.Load(ThemeManager::FindThemeFile(files.themeName, files.iniName), &errorText))
            << errorText.toStdString();
        ASSERT_TRUE(skin.Load(ThemeManager::FindThemeFile(files.themeName, files.normalIniName), &errorText))
            << errorText.toStdString();

        ASSERT_TRUE(ApplyRibbonTheme(index)) << index;
        const PaintManager& look = PaintManager::Instance();
        EXPECT_EQ(look.GetRibbonPalette().frame, colors.GetRibbonPalette().frame) << index;
        EXPECT_EQ(look.GetRibbonPalette().ContextColor(RibbonContextColorOrange),
                  colors.GetRibbonPalette().ContextColor(RibbonContextColorOrange));
        for (const int colorIndex : RibbonThemeColors::XtremeColorIndexes())
            EXPECT_EQ(look.GetXtremeColor(colorIndex), colors.GetXtremeColors().value(colorIndex)) << colorIndex;
        EXPECT_EQ(look.GetImageColor(QStringLiteral("toolbar"), QStringLiteral("controlgalleryborder")),
                  colors.GetImageColors().value(PaintManager::ImageColorKey(QStringLiteral("Toolbar"),
                                                                            QStringLiteral("ControlGalleryBorder"))));
        EXPECT_NE(dynamic_cast<const KelvoraRibbonPaintManager*>(&look.GetRibbonPaintManager()), nullptr);
        EXPECT_EQ(QApplication::palette().color(QPalette::Window), skin.GetPalette().color(QPalette::Window));
        EXPECT_EQ(qApp->styleSheet(), skin.GetStyleSheet());
        EXPECT_EQ(ThemeManager::Instance().GetIniName(), files.iniName);
    }
}

TEST_F(ThemeManagerTest, ThemeCommandsSwitchTheFramesAndTheRibbonsColours)
{
    QMainWindow mainWindow;
    RibbonThemeCommands commands;
    const QColor before = mainWindow.palette().color(QPalette::Window);

    ASSERT_TRUE(commands.ExecuteCommand(ID_THEME_2010_BLACK));

    EXPECT_EQ(GetCurrentRibbonThemeIndex(), 5);
    EXPECT_EQ(PaintManager::Instance().GetRibbonPalette().frame, QColor(0x47, 0x47, 0x47));
    EXPECT_EQ(mainWindow.palette().color(QPalette::Window), QColor(0xD4, 0xD4, 0xD4));
    EXPECT_NE(mainWindow.palette().color(QPalette::Window), before);
    for (std::uint32_t id = ID_THEME_2007_BLUE; id <= ID_THEME_2010_SILVER; ++id)
    {
        CmdUI cmdUI(id);
        ASSERT_TRUE(commands.UpdateCommandUI(cmdUI));
        EXPECT_EQ(cmdUI.Checked(), id == ID_THEME_2010_BLACK ? 1 : 0) << id;
    }
    // The settings' re-application after a save keeps it.
    ASSERT_TRUE(ApplyRibbonTheme(GetCurrentRibbonThemeIndex()));
    EXPECT_EQ(PaintManager::Instance().GetRibbonPalette().frame, QColor(0x47, 0x47, 0x47));
}

TEST_F(ThemeManagerTest, OnlyTheSevenThemeCommandsAreTaken)
{
    RibbonThemeCommands commands;
    for (const std::uint32_t id : {ID_THEME_OFFICE2007, ID_THEME_OFFICE2010, ID_THEME_2010_SILVER + 1})
    {
        CmdUI cmdUI(id);
        EXPECT_FALSE(commands.ExecuteCommand(id)) << id;
        EXPECT_FALSE(commands.UpdateCommandUI(cmdUI)) << id;
    }
    EXPECT_EQ(GetCurrentRibbonThemeIndex(), kDefaultRibbonThemeIndex);
}

TEST_F(ThemeManagerTest, ACopyInTheStyleFolderComesFirst)
{
    WriteStyleCopy(QStringLiteral("Office2007"), QStringLiteral("Office2007Blue.ini"), QStringLiteral("Frame=#BFDBFF"),
                   QStringLiteral("Frame=#123456"));
    ASSERT_TRUE(ApplyRibbonTheme(0));
    EXPECT_EQ(PaintManager::Instance().GetRibbonPalette().frame, QColor(0x12, 0x34, 0x56));
}

TEST_F(ThemeManagerTest, ABrokenThemeLeavesTheLookAsItWas)
{
    const struct
    {
        const char* file;
        const char* line;
        const char* replacement;
    } cases[] = {
        {"Office2007Blue.ini", "Frame=#BFDBFF", ""},
        {"Office2007Blue.ini", "Orange=#EE852F", "Orange=orange"},
        {"Office2007Blue.ini", "41=#F6F9FE", "41=#F6F9F"},
        {"NormalBlue.ini", "Highlight=#3D7CC9", ""},
        {"NormalBlue.ini", "Border=#8DB2E3", "Border=#8DB2E3 ; blue"},
    };
    ASSERT_TRUE(ApplyRibbonTheme(2));
    const RibbonPalette ribbonBefore = PaintManager::Instance().GetRibbonPalette();
    const QPalette paletteBefore = QApplication::palette();
    const QString styleSheetBefore = qApp->styleSheet();
    for (const auto& c : cases)
    {
        WriteStyleCopy(QStringLiteral("Office2007"), QLatin1String(c.file), QLatin1String(c.line),
                       QLatin1String(c.replacement));
        EXPECT_FALSE(ApplyRibbonTheme(0)) << c.line;
        EXPECT_EQ(GetCurrentRibbonThemeIndex(), 2);
        EXPECT_EQ(PaintManager::Instance().GetRibbonPalette().frame, ribbonBefore.frame);
        EXPECT_EQ(PaintManager::Instance().GetRibbonPalette().ContextColor(RibbonContextColorOrange),
                  ribbonBefore.ContextColor(RibbonContextColorOrange));
        EXPECT_EQ(QApplication::palette(), paletteBefore);
        EXPECT_EQ(qApp->styleSheet(), styleSheetBefore);
        QFile::remove(QDir(AppPaths::StyleFolder()).filePath(QStringLiteral("Office2007/") + QLatin1String(c.file)));
    }
}

TEST_F(ThemeManagerTest, MissingOrUnsafeNamesLoadNothing)
{
    const ThemeFiles cases[] = {
        {QStringLiteral("Office2013"), QStringLiteral("Office2013Blue.ini"), QStringLiteral("NormalBlue.ini")},
        {QStringLiteral("Office2007"), QStringLiteral("Office2007Green.ini"), QStringLiteral("NormalBlue.ini")},
        {QStringLiteral("Office2007"), QStringLiteral("Office2007Blue.ini"), QString()},
        {QStringLiteral(".."), QStringLiteral("Office2007/Office2007Blue.ini"), QStringLiteral("NormalBlue.ini")},
        {QStringLiteral("Office2007"), QStringLiteral("../Office2010/Office2010Blue.ini"), QStringLiteral("NormalBlue.ini")},
    };
    for (const ThemeFiles& c : cases)
        EXPECT_FALSE(ThemeManager::Instance().LoadTheme(c.themeName, c.iniName, c.normalIniName))
            << c.themeName.toStdString() << " " << c.iniName.toStdString();
    EXPECT_EQ(ThemeManager::Instance().GetIniName(), QStringLiteral("Office2007Black.ini"));
}
}
