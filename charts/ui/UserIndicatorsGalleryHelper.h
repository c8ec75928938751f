#pragma once
// The "Użytkownika" gallery of the chart's "Wskaźniki" group: the user's own formula-language
// indicators, filled by the application mediator each time the popup opens; empty while no
// formula library offers any. Main thread only.

#include "ribbon/galleries/IDynamicGalleryHelper.h"

#include <functional>

class GalleryControl;

class UserIndicatorsGalleryHelper : public IDynamicGalleryHelper
{
public:
    // Fills the gallery; by default the application mediator's filling.
    using Filler = std::function<void(GalleryControl& gallery)>;

    explicit UserIndicatorsGalleryHelper(Filler filler = {});

    void Fill(DynamicGallery& gallery) override;
    // The chart library draws no formula-language indicator: the choice is logged as not drawn.
    void OnItemExecute(DynamicGallery& gallery, GalleryItem& item) override;

private:
    Filler m_filler;
};
