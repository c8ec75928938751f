#pragma once
// The display styles and application themes of the standard edition as the application object
// uses them: the process-wide styles container, and the themes (the "*.q4theme" files of the
// "Style" folder). The theme the global settings name is selected as soon as the themes are
// loaded, so the main frame opens in its colour theme. Selecting a theme gives the modules
// their window styles, keeps the theme's name in the global settings and applies its colour
// theme. Main thread only.

#include "core/app/IApplicationStyles.h"
#include "styles/engine/ApplicationStylesContainer.h"
#include "styles/engine/IApplicationStyleHost.h"

class ApplicationStylesQ4Classic : public IApplicationStyles, private IApplicationStyleHost
{
public:
    ApplicationStylesQ4Classic();
    ~ApplicationStylesQ4Classic() override;
    // The styles of the run, for the application-style gallery; null when none is made.
    static ApplicationStylesQ4Classic* Instance();
    ApplicationStylesQ4Classic(const ApplicationStylesQ4Classic&) = delete;
    ApplicationStylesQ4Classic& operator=(const ApplicationStylesQ4Classic&) = delete;

    void EnableFontConversion(bool enable) override;
    // installed: the built-in default styles come first.
    bool LoadStyles(const QString& folder, bool installed) override;
    bool Unserialize(const Settings& styles) override;
    bool SaveStyles(const QString& folder, bool removeStale) override;
    void MakeAllRelatedStylesAsOwn() override;
    void CopyRelatedStylesToOwn() override;
    QString GetStyleGuid(int styleId) override;
    // Loads the themes and selects the one the global settings name ("Czarny" when they name
    // none that is there). Without a readable theme file the built-in "Czarny" is there (the
    // log says so) and the start goes on: true.
    bool LoadApplicationThemes() override;
    QString GetRibbonThemeName() override;
    void Release() override;

    // For the styles gallery: the themes and the one selected.
    ApplicationStylesContainer& GetApplicationStyles() { return m_themes; }

private:
    // IApplicationStyleHost, through the application mediator of the run.
    IGenericModule* FindModule(const QString& moduleName) override;
    void SetApplicationStyle(const QString& name) override;
    void ApplyRibbonTheme(const QString& themeValue) override;

    static ApplicationStylesQ4Classic* s_instance;

    ApplicationStylesContainer m_themes;
};
