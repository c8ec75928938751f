#include "modulelibs/offers/OffersModuleConsumer.h"

OffersModuleConsumer::OffersModuleConsumer()
    : WindowedConsumer({QStringLiteral("Offers"), QStringLiteral(".q4o"), QStringLiteral("Pliki ofert (*.q4o)|*.q4o"),
                        QStringLiteral("Oferty"), QStringLiteral(".q5o"), QStringLiteral("ofert")})
{
}

bool OffersModuleConsumer::ShowNewOffersDlg(QWidget* view, const Asset* asset, int flags)
{
    return OpenNew(view, asset, QStringLiteral("ShowNewOffersDlg"), __LINE__);
}

void OffersModuleConsumer::ToggleActiveOffersView()
{
    if (OffersWindow* window = ActiveWindow())
    {
        window->ToggleView();
        window->update();
    }
}
