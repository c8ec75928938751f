#include "modulelibs/details/DetailsModuleConsumer.h"

DetailsModuleConsumer::DetailsModuleConsumer()
    : WindowedConsumer({QStringLiteral("Details"), QStringLiteral(".q4d"), QStringLiteral("Pliki szczegółów (*.q4d)|*.q4d"),
                        QStringLiteral("Szczegóły"), QStringLiteral(".q5d"), QStringLiteral("informacji szczegółowych")})
{
}

bool DetailsModuleConsumer::ShowDetailsDlg(QWidget* view, const Asset* asset, int flags)
{
    return OpenNew(view, asset, QStringLiteral("ShowDetailsDlg"), __LINE__);
}

void DetailsModuleConsumer::MoveActiveDetailsRow(int step)
{
    if (DetailsWindow* window = ActiveWindow())
        window->MoveSelectedRow(step);
}
