#pragma once
// The facade of the formula language: its editor and strategy tester, its user-defined
// indicators and its module, whose state travels with the session. The program has one facade
// for the whole run (GetKFLFasade).

#include "platform/modules/ScriptFileInfo.h"

#include <functional>

class IGenericModule;
class QWidget;

class KFLFasade
{
public:
    virtual ~KFLFasade() = default;

    // Opens the formula editor over the view, or closes it when open; false when it cannot.
    virtual bool ToggleIDE(QWidget* view) = 0;
    virtual bool IsIDEOpended() const = 0;
    virtual bool OpenStrategyTesterIDE(QWidget* view) = 0;
    // Edits the script of a formula series; false when it cannot.
    virtual bool EditScript(const QString& script, QWidget* parent) = 0;
    // Calls back once for every available user-defined indicator, drawable or not.
    virtual void ForEachAvailableUDI(const std::function<void(const ScriptFileInfo&)>& callback) const = 0;
    // The formula language's module, whose state is saved with the session.
    virtual IGenericModule* Module() = 0;
    // The session is about to be saved.
    virtual void NotifySaveModuleState() = 0;
    // Releases what the formula language holds, at the end of the run.
    virtual void CleanupKFLLibrary() = 0;
};
