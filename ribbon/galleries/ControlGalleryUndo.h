#pragma once
// An undo-list gallery: while the user moves over its items, the static label of the same id
// on its popup bar says how many actions choosing would undo ("Undo %i Actions"), or "Cancel".

#include "platform/toolkit/GalleryControl.h"

class ControlGalleryUndo : public GalleryControl
{
    Q_OBJECT

public:
    static constexpr std::uint32_t IDS_UNDO_ACTIONS = 34205;
    static constexpr std::uint32_t IDS_CANCEL = 34206;

    explicit ControlGalleryUndo(std::uint32_t id = 0);

protected:
    void OnSelectedItemChanged() override;
};
