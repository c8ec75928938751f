#include "platform/toolkit/RibbonImageManager.h"

#include "platform/ui/Images.h"
#include "platform/ui/UiLog.h"

bool RibbonImageManager::SetIcon(std::uint32_t commandId, std::uint32_t resourceId, int size)
{
    return SetIcons(resourceId, {commandId}, size);
}

bool RibbonImageManager::SetIcons(std::uint32_t resourceId, const std::vector<std::uint32_t>& ids, int size)
{
    if (size != kSmall && size != kLarge)
    {
        qCWarning(lcUi) << "RibbonImageManager: no icon size" << size << "for the images of resource" << resourceId;
        return false;
    }
    for (std::size_t index = 0; index < ids.size(); ++index)
    {
        if (ids[index] != 0)
            m_images[{ids[index], size}] = {resourceId, static_cast<int>(index)};
    }
    return true;
}

void RibbonImageManager::SetCustomIcon(std::uint32_t commandId, const QIcon& icon)
{
    if (icon.isNull())
        m_customIcons.erase(commandId);
    else
        m_customIcons[commandId] = icon;
}

bool RibbonImageManager::HasIcon(std::uint32_t commandId, int size) const
{
    return Find(commandId, size) != nullptr || (size == kSmall && HasCustomIcon(commandId));
}

std::uint32_t RibbonImageManager::ResourceId(std::uint32_t commandId, int size) const
{
    const Image* image = Find(commandId, size);
    return image ? image->resourceId : 0;
}

QIcon RibbonImageManager::Icon(std::uint32_t commandId, int size) const
{
    if (const auto custom = m_customIcons.find(commandId); custom != m_customIcons.end())
        return custom->second;
    const Image* image = Find(commandId, size);
    if (image == nullptr)
        image = Find(commandId, size == kLarge ? kSmall : kLarge);
    const Images& images = Images::Instance();
    if (image && image->index == 0 && !images.IconName(image->resourceId).isEmpty())
        return images.Icon(image->resourceId);
    return images.Icon(commandId);
}

QString RibbonImageManager::IconName(std::uint32_t commandId, int size) const
{
    if (HasCustomIcon(commandId))
        return {};
    const Image* image = Find(commandId, size);
    if (image == nullptr)
        image = Find(commandId, size == kLarge ? kSmall : kLarge);
    const Images& images = Images::Instance();
    if (image && image->index == 0 && !images.IconName(image->resourceId).isEmpty())
        return images.IconName(image->resourceId);
    return images.IconName(commandId);
}

const RibbonImageManager::Image* RibbonImageManager::Find(std::uint32_t commandId, int size) const
{
    const auto found = m_images.find({commandId, size});
    return found == m_images.end() ? nullptr : &found->second;
}
