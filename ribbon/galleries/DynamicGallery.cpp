#include "ribbon/galleries/DynamicGallery.h"

#include "ribbon/galleries/IDynamicGalleryHelper.h"

DynamicGallery::DynamicGallery(std::shared_ptr<IDynamicGalleryHelper> helper, std::uint32_t id)
    : GalleryControl(id)
    , m_helper(std::move(helper))
{
}

DynamicGallery::~DynamicGallery() = default;

void DynamicGallery::OnCalcDynamicSize()
{
    if (m_helper)
        m_helper->Fill(*this);
    GalleryControl::OnCalcDynamicSize();
}

void DynamicGallery::OnExecute()
{
    GalleryItem* item = GetItem(GetSelectedItem());
    if (item == nullptr)
        return;
    if (m_helper)
        m_helper->OnItemExecute(*this, *item);
    GalleryControl::OnExecute();
}

bool DynamicGallery::OnRButtonDown(const QPoint& point)
{
    return m_helper && m_helper->OnRButtonDown(*this, point);
}

bool DynamicGallery::OnRButtonUp(const QPoint& point)
{
    return m_helper && m_helper->OnRButtonUp(*this, point);
}
