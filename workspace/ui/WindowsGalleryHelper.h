#pragma once
// The windows gallery ("Przełącz okna") of the main tab's "Okno" group: every shown module
// window of every screen that may be closed on command, with its picture and text, the active
// one checked; choosing one brings it to the top of its screen and activates it, so that a
// window buried under others is found again.

#include "ribbon/galleries/IDynamicGalleryHelper.h"

#include <QPointer>

#include <cstdint>
#include <vector>

class ModuleWndBase;
class PulpitFrame;

class WindowsGalleryHelper : public IDynamicGalleryHelper
{
public:
    static constexpr int kItemHeight = 24;
    static constexpr int kMaxRows = 12;

    explicit WindowsGalleryHelper(PulpitFrame& frame);

    void Fill(DynamicGallery& gallery) override;
    void OnItemExecute(DynamicGallery& gallery, GalleryItem& item) override;
    bool IsClosingOnClick() const override { return true; }

private:
    PulpitFrame& m_frame;
    // What the last fill listed; an item's id is its place here.
    std::vector<QPointer<ModuleWndBase>> m_windows;
};
