#include "modulelibs/multidata/MultiDataModuleConsumer.h"

MultiDataModuleConsumer::MultiDataModuleConsumer()
    : ModuleConsumer({QStringLiteral("MultiData"), QStringLiteral(".q4md"),
                      QStringLiteral("Pliki danych wiązanych (*.q4md)|*.q4md"), QStringLiteral("Dane wiązane"),
                      QStringLiteral(".q5md"), QStringLiteral("danych wiązanych")})
{
}

bool MultiDataModuleConsumer::ShowNewMultiDataWindow(QWidget* view)
{
    return CannotOpenWindow(QStringLiteral("ShowNewMultiDataWindow"), __LINE__);
}
