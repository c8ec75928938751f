#pragma once
// The program's gallery of the colour popups, the style galleries and the generic gallery
// builder. Before it shows it asks its owner which item to show checked; its expand button
// stays disabled while all its items fit in one row.

#include "platform/toolkit/GalleryControl.h"

class ControlGalleryEx : public GalleryControl
{
    Q_OBJECT

public:
    explicit ControlGalleryEx(std::uint32_t id = 0);

    // True when the items laid out at the last SetRect take more than one row.
    bool IsMultiRow() const { return m_multiRow; }

    void SetRect(const QRect& rect) override;
    // Asks the command routing with the checked-item query; an answer becomes the checked item.
    void OnCalcDynamicSize() override;
    bool IsScrollButtonEnabled(int code) const override;

private:
    bool m_multiRow = true;
};
