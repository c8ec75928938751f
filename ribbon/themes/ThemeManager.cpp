#include "ribbon/themes/ThemeManager.h"

#include "platform/base/AppPaths.h"
#include "platform/toolkit/GalleryPaintManager.h"
#include "platform/toolkit/PaintManager.h"
#include "platform/toolkit/ToolkitColors.h"
#include "ribbon/RibbonLog.h"
#include "ribbon/galleries/ControlGalleryPaintManagerEx.h"
#include "ribbon/themes/ApplicationSkin.h"
#include "ribbon/themes/KelvoraRibbonPaintManager.h"
#include "ribbon/themes/RibbonThemeColors.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace
{
// The program's own copy of the theme files, compiled in.
const char* const kBuiltInFolder = ":/themes";

// Theme names come from the program's table, but are file names here: no folder may sneak in.
bool IsPlainName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
           && name != QLatin1String(".") && name != QLatin1String("..");
}
}

ThemeManager& ThemeManager::Instance()
{
    static ThemeManager manager;
    return manager;
}

QString ThemeManager::FindThemeFile(const QString& themeName, const QString& fileName)
{
    if (!IsPlainName(themeName) || !IsPlainName(fileName))
        return {};
    for (const QString& folder : {AppPaths::StyleFolder(), QString::fromLatin1(kBuiltInFolder)})
    {
        const QString path = QDir(folder).filePath(themeName + QLatin1Char('/') + fileName);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

bool ThemeManager::LoadTheme(const QString& themeName, const QString& iniName, const QString& normalIniName)
{
    const QString iniPath = FindThemeFile(themeName, iniName);
    const QString normalIniPath = FindThemeFile(themeName, normalIniName);
    if (iniPath.isEmpty() || normalIniPath.isEmpty())
    {
        qCWarning(lcRibbon).noquote() << QStringLiteral("ThemeManager: theme \"%1\" has no file \"%2\"")
                                             .arg(themeName, iniPath.isEmpty() ? iniName : normalIniName);
        return false;
    }
    RibbonThemeColors colors;
    ApplicationSkin skin;
    QString errorText;
    if (!colors.Load(iniPath, &errorText) || !skin.Load(normalIniPath, &errorText))
    {
        qCWarning(lcRibbon).noquote() << "ThemeManager: the theme is not loaded:" << errorText;
        return false;
    }

    PaintManager& look = PaintManager::Instance();
    look.SetRibbonPalette(colors.GetRibbonPalette());
    look.SetXtremeColors(colors.GetXtremeColors());
    look.SetImageColors(colors.GetImageColors());
    look.SetRibbonPaintManager(std::make_unique<KelvoraRibbonPaintManager>());
    ToolkitColors::SetSource([](int index) { return PaintManager::Instance().GetXtremeColor(index); });
    auto galleries = std::make_shared<ControlGalleryPaintManagerEx>();
    galleries->SetGalleryColors(look.GetImageColor(QStringLiteral("Toolbar"), QStringLiteral("ControlGallerySelected")),
                                look.GetImageColor(QStringLiteral("Toolbar"), QStringLiteral("ControlGalleryNormal")));
    GalleryPaintManager::SetCurrent(std::move(galleries));
    if (auto* application = qobject_cast<QApplication*>(QCoreApplication::instance()))
    {
        QApplication::setPalette(skin.GetPalette());
        application->setStyleSheet(skin.GetStyleSheet());
    }
    m_themeName = themeName;
    m_iniName = iniName;
    m_normalIniName = normalIniName;
    return true;
}
