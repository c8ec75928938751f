#include "core/app/ThemeExporter.h"

#include "core/app/IApplicationStyles.h"
#include "platform/modules/IGenericModule.h"
#include "platform/settings/Settings.h"
#include "platform/ui/DialogServices.h"
#include "platform/ui/MessageBoxFlags.h"

#include <utility>

namespace
{
// A module whose windows have a style of their own or none open.
constexpr int kNoNamedStyle = -2;
}

ThemeExporter::ThemeExporter(IApplicationStyles& styles, std::vector<IGenericModule*> modules)
    : m_styles(styles)
    , m_modules(std::move(modules))
{
}

bool ThemeExporter::FillThemeWindowStyles(Settings& node)
{
    QString withoutStyle;
    for (IGenericModule* module : m_modules)
    {
        const int styleId = module->GetFirstNamedWindowStyleId();
        if (styleId == kNoNamedStyle)
            withoutStyle += QStringLiteral("\n%1").arg(module->GetModuleName());
        else if (styleId != 0)
            node[module->GetModuleName()] = m_styles.GetStyleGuid(styleId);
    }
    if (withoutStyle.isEmpty())
        return true;
    DialogServices::ShowMessageBox(QString(),
                                   QStringLiteral("Moduły\n") + withoutStyle +
                                       QStringLiteral("\n posiadają styl własny bądź nie mają otwartego okna."),
                                   MB_OK);
    return false;
}

bool ThemeExporter::Export()
{
    Settings theme;
    if (!FillThemeWindowStyles(theme[QStringLiteral("WindowStyles")]))
        return false;
    theme[QStringLiteral("ApplicationStyle")] = m_styles.GetRibbonThemeName();
    const std::optional<QString> path = DialogServices::FileDialog()->GetSaveFileName({QString(), QString(), kFilter, kExtension});
    if (!path)
        return false;
    if (theme.SaveToFile(*path, kRootName))
        return true;
    DialogServices::ShowMessageBox(QString(), QStringLiteral("Nie zapisano motywu w pliku \"%1\".").arg(*path), MB_OK | MB_ICONERROR);
    return false;
}
