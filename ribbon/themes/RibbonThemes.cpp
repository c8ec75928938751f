#include "ribbon/themes/RibbonThemes.h"

#include "platform/toolkit/PaintManager.h"
#include "ribbon/RibbonLog.h"
#include "ribbon/themes/IRibbonThemeFrame.h"
#include "ribbon/themes/KelvoraRibbonPaintManager.h"

#include <array>

namespace
{
constexpr std::array<const char*, kRibbonThemeCount> kThemes = {
    "Office2007;Blue",  "Office2007;Black", "Office2007;Silver", "Office2007;Aqua",
    "Office2010;Blue",  "Office2010;Black", "Office2010;Silver",
};

int g_currentIndex = kDefaultRibbonThemeIndex;
IRibbonThemeFrame* g_frame = nullptr;
}

QString GetRibbonThemeName(int index)
{
    if (index < 0 || index >= kRibbonThemeCount)
        return {};
    return QString::fromLatin1(kThemes[static_cast<std::size_t>(index)]);
}

void SplitThemeString(const QString& theme, QString& themeName, QString& colorName)
{
    const qsizetype separator = theme.indexOf(QLatin1Char(';'));
    if (separator < 0)
        return;
    themeName = theme.left(separator);
    colorName = theme.mid(separator + 1);
}

int GetRibbonThemeIndex(const QString& theme)
{
    for (int index = 0; index < kRibbonThemeCount; ++index)
    {
        if (theme == QLatin1String(kThemes[static_cast<std::size_t>(index)]))
            return index;
    }
    return 0;
}

QString GetRibbonThemeIniName(const QString& themeName, const QString& colorName)
{
    return QStringLiteral("%1%2.ini").arg(themeName, colorName);
}

QString GetRibbonThemeNormalIniName(const QString& colorName)
{
    return QStringLiteral("Normal%1.ini").arg(colorName);
}

bool ApplyRibbonTheme(int index)
{
    if (index < 0 || index >= kRibbonThemeCount)
    {
        qCWarning(lcRibbon) << "ApplyRibbonTheme: there is no colour theme" << index;
        return false;
    }
    QString themeName;
    QString colorName;
    SplitThemeString(GetRibbonThemeName(index), themeName, colorName);
    if (g_frame != nullptr
        && !g_frame->LoadRibbonTheme(themeName, GetRibbonThemeIniName(themeName, colorName),
                                     GetRibbonThemeNormalIniName(colorName)))
        return false;
    g_currentIndex = index;
    return true;
}

int GetCurrentRibbonThemeIndex()
{
    return g_currentIndex;
}

void SetRibbonThemeFrame(IRibbonThemeFrame* frame)
{
    g_frame = frame;
}

IRibbonThemeFrame* GetRibbonThemeFrame()
{
    return g_frame;
}

void InstallRibbonThemeEx()
{
    PaintManager::Instance().SetRibbonPaintManager(std::make_unique<KelvoraRibbonPaintManager>());
}
