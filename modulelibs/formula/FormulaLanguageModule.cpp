#include "modulelibs/formula/FormulaLanguageModule.h"

#include "platform/base/Log.h"

FormulaLanguageModule::FormulaLanguageModule()
{
    SetQ5ModuleName(QStringLiteral("KFL"));
}

bool FormulaLanguageModule::OpenWindowFromFile(QWidget* parent, const QString& path, bool fromPanel)
{
    Log::WriteWarning(QStringLiteral("Język formuł nie otwiera okien z plików: \"%1\".").arg(path), GetModuleName(),
                      QStringLiteral("FormulaLanguageModule::OpenWindowFromFile"), __LINE__);
    return false;
}
