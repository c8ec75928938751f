// The application mediator's filling of the ribbon's user indicators gallery.

#include "core/indicators/UserIndicatorsGallery.h"
#include "core/mediator/AppMediator.h"

#include <QApplication>

void AppMediator::FillUserIndicatorsGallery(GalleryControl& gallery)
{
    // The ribbon draws its texts in the application's font.
    UserIndicatorsGallery::Fill(GetFormulaLanguage(), gallery, QApplication::font());
}
