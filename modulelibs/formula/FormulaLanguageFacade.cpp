#include "modulelibs/formula/FormulaLanguageFacade.h"

#include "platform/base/Log.h"

bool FormulaLanguageFacade::NotAvailable(const char* where, int line, const QString& what) const
{
    Log::WriteWarning(QStringLiteral("%1 nie jest dostępny w tej wersji programu.").arg(what), m_module.GetModuleName(),
                      QString::fromLatin1(where), line);
    return false;
}

bool FormulaLanguageFacade::ToggleIDE(QWidget* view)
{
    return NotAvailable("FormulaLanguageFacade::ToggleIDE", __LINE__, QStringLiteral("Edytor formuł"));
}

bool FormulaLanguageFacade::OpenStrategyTesterIDE(QWidget* view)
{
    return NotAvailable("FormulaLanguageFacade::OpenStrategyTesterIDE", __LINE__, QStringLiteral("Tester strategii"));
}

bool FormulaLanguageFacade::EditScript(const QString& script, QWidget* parent)
{
    return NotAvailable("FormulaLanguageFacade::EditScript", __LINE__, QStringLiteral("Edytor formuł"));
}
