#pragma once
// The facade of the formula language: its editor and strategy tester, its user-defined
// indicators and its module, whose state travels with the session. The program has one facade
// for the whole run (GetKFLFasade).

#include "platform/modules/ScriptFileInfo.h"

#include <QString>

#include <functional>

class IGenericModule;
class QWidget;

// The user's library of formulas as the formula editor's tab works on it: the tree of folders
// and formulas, and the formula open in the editor.
class KFLExplorer
{
public:
    virtual ~KFLExplorer() = default;
    virtual bool CreateFormula() = 0;
    virtual bool DeleteFormula() = 0;
    virtual bool AddFolder() = 0;
    virtual bool DeleteFolder() = 0;
    // The selected folder's name.
    virtual void GetFolderName(QString& name) const = 0;
    virtual bool IsFolderSelected() const = 0;
    virtual bool IsFormulaSelected() const = 0;
};

class KFLEditor
{
public:
    virtual ~KFLEditor() = default;
    // The starting value of expressions that use the function THIS.
    virtual void SetInitialValue(double value) = 0;
    virtual double GetInitialValue() const = 0;
    virtual QString GetFormulaName() const = 0;
    // Saves the open formula and checks its syntax.
    virtual bool SaveFormula() = 0;
    virtual bool IsFormulaOpen() const = 0;
};

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
    // The formula library's tree and the editor; null while the language offers none.
    virtual KFLExplorer* GetExplorer() = 0;
    virtual KFLEditor* GetEditor() = 0;
};
