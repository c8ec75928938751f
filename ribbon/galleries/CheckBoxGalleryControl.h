#pragma once
// A dynamic gallery of check boxes: choosing an item ticks or clears it and tells the helper;
// the popup stays open so that several boxes can be ticked, unless the helper asks that a
// click also closes it. The two images show an unchecked and a checked box.

#include "ribbon/galleries/DynamicGallery.h"

#include <QPixmap>

#include <vector>

class CheckBoxGalleryControlItem;

class CheckBoxGalleryControl : public DynamicGallery
{
    Q_OBJECT

public:
    // The image ids the ribbon's check-box galleries use.
    static constexpr std::uint32_t kUncheckedImageId = 1364;
    static constexpr std::uint32_t kCheckedImageId = 1365;
    static constexpr int kImageSize = 16;

    CheckBoxGalleryControl(std::shared_ptr<IDynamicGalleryHelper> helper, std::uint32_t uncheckedImageId,
                           std::uint32_t checkedImageId, std::uint32_t id = 0);

    const QPixmap& GetUncheckedImage() const { return m_uncheckedImage; }
    const QPixmap& GetCheckedImage() const { return m_checkedImage; }
    // The check-box items now ticked, in item order.
    std::vector<CheckBoxGalleryControlItem*> GetCheckedItems() const;

    // Toggles a chosen check-box item; any other item is ignored.
    void OnExecute() override;

private:
    QPixmap m_uncheckedImage;
    QPixmap m_checkedImage;
};
