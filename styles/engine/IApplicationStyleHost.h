#pragma once
// What applying an application style needs of the application: its modules by name, the global
// settings that keep the chosen style's name, and the main frame's ribbon theme. The
// application object (or its mediator) implements it.

#include <QString>

class IGenericModule;

class IApplicationStyleHost
{
public:
    virtual ~IApplicationStyleHost() = default;

    // Null when no module bears the name.
    virtual IGenericModule* FindModule(const QString& moduleName) = 0;
    // Stores the name under "ApplicationStyle" of the global settings and saves them.
    virtual void SetApplicationStyle(const QString& name) = 0;
    // A theme string such as "Office2007;Black": its index among the ribbon themes is applied.
    virtual void ApplyRibbonTheme(const QString& themeValue) = 0;
};
