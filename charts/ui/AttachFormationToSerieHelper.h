#pragma once
// The "Powiąż" gallery of the formation tabs: the series of the active formation's panel, the
// one it is tied to checked; choosing a series ties the formation to it.

#include "charts/ui/ChartGalleryHelpers.h"

class AttachFormationToSerieHelper : public ChartGalleryHelper
{
public:
    void Fill(DynamicGallery& gallery) override;
    void OnItemExecute(DynamicGallery& gallery, GalleryItem& item) override;
};
