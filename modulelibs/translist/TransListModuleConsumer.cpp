#include "modulelibs/translist/TransListModuleConsumer.h"

TransListModuleConsumer::TransListModuleConsumer()
    : ModuleConsumer({QStringLiteral("TransList"), QStringLiteral(".q4tl"),
                      QStringLiteral("Pliki list transakcji (*.q4tl)|*.q4tl"), QStringLiteral("Transakcje"),
                      QStringLiteral(".q5tl"), QStringLiteral("listy transakcji")})
{
}

bool TransListModuleConsumer::ShowNewTransList(QWidget* view, const Asset* asset, int flags)
{
    return CannotOpenWindow(QStringLiteral("ShowNewTransList"), __LINE__);
}
