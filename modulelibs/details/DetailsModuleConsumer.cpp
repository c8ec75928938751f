#include "modulelibs/details/DetailsModuleConsumer.h"

DetailsModuleConsumer::DetailsModuleConsumer()
    : ModuleConsumer({QStringLiteral("Details"), QStringLiteral(".q4d"), QStringLiteral("Pliki szczegółów (*.q4d)|*.q4d"),
                      QStringLiteral("Szczegóły"), QStringLiteral(".q5d"), QStringLiteral("informacji szczegółowych")})
{
}

bool DetailsModuleConsumer::ShowDetailsDlg(QWidget* view, const Asset* asset, int flags)
{
    return CannotOpenWindow(QStringLiteral("ShowDetailsDlg"), __LINE__);
}
