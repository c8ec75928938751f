#include "app/ApplicationStylesQ4Classic.h"

#include "core/mediator/AppMediator.h"
#include "core/settings/GlobalSettingsQ4Classic.h"
#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "ribbon/galleries/MainStylesGalleryCtrl.h"
#include "ribbon/themes/RibbonThemes.h"
#include "styles/engine/StyleBase.h"
#include "styles/engine/StylesContainer.h"

#include <deque>
#include <vector>

namespace
{
// Null without the mediator or its global settings.
GlobalSettingsQ4Classic* GlobalSettings()
{
    AppMediator* mediator = AppMediator::Instance();
    return mediator ? dynamic_cast<GlobalSettingsQ4Classic*>(mediator->GetGlobalSettingsObject()) : nullptr;
}
}

ApplicationStylesQ4Classic* ApplicationStylesQ4Classic::s_instance = nullptr;

ApplicationStylesQ4Classic::ApplicationStylesQ4Classic()
    : m_themes(this)
{
    s_instance = this;
    MainStylesGalleryCtrl::SetStylesSource([this] {
        std::deque<std::shared_ptr<ApplicationStyle>> styles;
        m_themes.GetStyles(styles);
        std::vector<MainStylesGalleryCtrl::StylePreview> previews;
        for (const std::shared_ptr<ApplicationStyle>& style : styles)
            previews.push_back({style->GetName(), style->GetPreview()});
        return previews;
    });
}

ApplicationStylesQ4Classic::~ApplicationStylesQ4Classic()
{
    if (s_instance != this)
        return;
    s_instance = nullptr;
    MainStylesGalleryCtrl::SetStylesSource(nullptr);
}

void ApplicationStylesQ4Classic::EnableFontConversion(bool enable)
{
    StyleBase::EnableFontConversion(enable);
}

bool ApplicationStylesQ4Classic::LoadStyles(const QString& folder, bool installed)
{
    return StylesContainer::Instance().LoadStyles(folder, installed);
}

bool ApplicationStylesQ4Classic::Unserialize(const Settings& styles)
{
    return StylesContainer::Instance().Unserialize(styles, false);
}

bool ApplicationStylesQ4Classic::SaveStyles(const QString& folder, bool removeStale)
{
    return StylesContainer::Instance().SaveStyles(folder, removeStale);
}

void ApplicationStylesQ4Classic::MakeAllRelatedStylesAsOwn()
{
    StylesContainer::Instance().MakeAllRelatedStylesAsOwn();
}

void ApplicationStylesQ4Classic::CopyRelatedStylesToOwn()
{
    StylesContainer::Instance().CopyRelatedStylesToOwn();
}

QString ApplicationStylesQ4Classic::GetStyleGuid(int styleId)
{
    return StylesContainer::Instance().GetStyleGuid(styleId);
}

bool ApplicationStylesQ4Classic::LoadApplicationThemes()
{
    m_themes.LoadStyles();
    const GlobalSettingsQ4Classic* globals = GlobalSettings();
    m_themes.SelectStyleByName(globals ? globals->GetApplicationStyleName() : QString());
    const std::shared_ptr<ApplicationStyle> selected = m_themes.GetCurrentStyle();
    Log::WriteInfo(QStringLiteral("Wczytano style okien (%1) i motywy aplikacji (%2); wybrany motyw \"%3\" (%4).")
                       .arg(StylesContainer::Instance().GetCount())
                       .arg(m_themes.GetCount())
                       .arg(selected ? selected->GetName() : QString(), GetRibbonThemeName()),
                   QString::fromUtf8(AppPaths::kProductName), QStringLiteral("ApplicationStylesQ4Classic::LoadApplicationThemes"),
                   __LINE__);
    return true;
}

QString ApplicationStylesQ4Classic::GetRibbonThemeName()
{
    return ::GetRibbonThemeName(GetCurrentRibbonThemeIndex());
}

void ApplicationStylesQ4Classic::Release()
{
    StylesContainer::Release();
}

IGenericModule* ApplicationStylesQ4Classic::FindModule(const QString& moduleName)
{
    const AppMediator* mediator = AppMediator::Instance();
    return mediator ? mediator->GetModuleByName(moduleName) : nullptr;
}

void ApplicationStylesQ4Classic::SetApplicationStyle(const QString& name)
{
    if (GlobalSettingsQ4Classic* globals = GlobalSettings())
        globals->SetApplicationStyle(name);
}

void ApplicationStylesQ4Classic::ApplyRibbonTheme(const QString& themeValue)
{
    ::ApplyRibbonTheme(GetRibbonThemeIndex(themeValue));
}

ApplicationStylesQ4Classic* ApplicationStylesQ4Classic::Instance()
{
    return s_instance;
}
