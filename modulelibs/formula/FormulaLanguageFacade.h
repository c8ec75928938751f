#pragma once
// The formula-language facade of this program: the language's editor, tester and indicators are
// not part of it yet, so it opens nothing (and says so in the log) and lists no indicators.

#include "modulelibs/formula/FormulaLanguageModule.h"
#include "platform/modules/KFLFasade.h"

class FormulaLanguageFacade : public KFLFasade
{
public:
    bool ToggleIDE(QWidget* view) override;
    bool IsIDEOpended() const override { return false; }
    bool OpenStrategyTesterIDE(QWidget* view) override;
    bool EditScript(const QString& script, QWidget* parent) override;
    void ForEachAvailableUDI(const std::function<void(const ScriptFileInfo&)>& callback) const override {}
    IGenericModule* Module() override { return &m_module; }
    void NotifySaveModuleState() override {}
    void CleanupKFLLibrary() override {}
    // The language has no formula library and no editor here.
    KFLExplorer* GetExplorer() override { return nullptr; }
    KFLEditor* GetEditor() override { return nullptr; }

private:
    bool NotAvailable(const char* where, int line, const QString& what) const;

    FormulaLanguageModule m_module;
};
