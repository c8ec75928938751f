#include "modulelibs/offers/OffersModuleConsumer.h"

OffersModuleConsumer::OffersModuleConsumer()
    : ModuleConsumer({QStringLiteral("Offers"), QStringLiteral(".q4o"), QStringLiteral("Pliki ofert (*.q4o)|*.q4o"),
                      QStringLiteral("Oferty"), QStringLiteral(".q5o"), QStringLiteral("ofert")})
{
}

bool OffersModuleConsumer::ShowNewOffersDlg(QWidget* view, const Asset* asset, int flags)
{
    return CannotOpenWindow(QStringLiteral("ShowNewOffersDlg"), __LINE__);
}
