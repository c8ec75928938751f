#include "charts/ui/UserIndicatorsGalleryHelper.h"

#include "core/mediator/AppMediator.h"
#include "platform/base/Log.h"
#include "platform/toolkit/GalleryItem.h"
#include "ribbon/galleries/DynamicGallery.h"

#include <utility>

namespace
{
void MediatorFill(GalleryControl& gallery)
{
    if (AppMediator* mediator = AppMediator::Instance())
        mediator->FillUserIndicatorsGallery(gallery);
}
}

UserIndicatorsGalleryHelper::UserIndicatorsGalleryHelper(Filler filler)
    : m_filler(filler ? std::move(filler) : Filler(MediatorFill))
{
}

void UserIndicatorsGalleryHelper::Fill(DynamicGallery& gallery)
{
    m_filler(gallery);
}

void UserIndicatorsGalleryHelper::OnItemExecute(DynamicGallery&, GalleryItem& item)
{
    Log::WriteWarning(QStringLiteral("Wskaźnik użytkownika \"%1\" nie został dodany: wykresy nie rysują wskaźników "
                                     "języka formuł.")
                          .arg(item.GetCaption()),
                      QStringLiteral("Quorvanta 4"), QStringLiteral("UserIndicatorsGalleryHelper::OnItemExecute"), __LINE__);
}
