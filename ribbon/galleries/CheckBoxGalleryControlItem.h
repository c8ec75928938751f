#pragma once
// An item of a check-box gallery: a caption beside the gallery's checked or unchecked image.

#include "platform/toolkit/GalleryItem.h"

class CheckBoxGalleryControlItem : public GalleryItem
{
public:
    CheckBoxGalleryControlItem(std::uint32_t id, const QString& caption, bool checked = false);

    bool IsChecked() const { return m_checked; }
    void SetChecked(bool checked) { m_checked = checked; }
    // Flips the box; true when it changed.
    virtual bool Toggle();

    // The image at the left, vertically centred, then the caption on one line.
    void Draw(QPainter& painter, const GalleryControl& gallery, const QRect& rect,
              const GalleryItemState& state) const override;

private:
    bool m_checked;
};
