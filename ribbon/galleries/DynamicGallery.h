#pragma once
// A gallery filled by its helper every time it is about to show, that is on every opening of
// its popup, and that hands the user's choice and right clicks to the helper. A gallery
// without helper keeps the items it has.

#include "platform/toolkit/GalleryControl.h"

#include <memory>

class IDynamicGalleryHelper;

class DynamicGallery : public GalleryControl
{
    Q_OBJECT

public:
    explicit DynamicGallery(std::shared_ptr<IDynamicGalleryHelper> helper, std::uint32_t id = 0);
    ~DynamicGallery() override;

    // Null when the gallery has none.
    IDynamicGalleryHelper* GetHelper() const { return m_helper.get(); }

    void OnCalcDynamicSize() override;
    // Runs only for a selected item: the helper first, then the gallery's own execution.
    void OnExecute() override;
    bool OnRButtonDown(const QPoint& point) override;
    bool OnRButtonUp(const QPoint& point) override;

private:
    std::shared_ptr<IDynamicGalleryHelper> m_helper;
};
