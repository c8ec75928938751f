#pragma once
// The ribbon's icons by command id, in the two sizes the ribbon paints (16 and 32 px). A
// command is given an image of a bitmap resource: the resource's own image, or image i of a
// strip handed out over an id array. A command without an image of a size has none of that
// size, so the ribbon can tell large controls from small ones.
//
// Pictures: a resource's own image is the icon the icon map names for the resource id; a strip
// image, and any image whose resource the map does not name, is the icon of the command id
// itself (named by the map or drawn), so no control is ever blank.

#include <QIcon>
#include <QString>

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

class RibbonImageManager
{
public:
    static constexpr int kSmall = 16;
    static constexpr int kLarge = 32;

    // Sizes other than 16 and 32 are refused (false, logged).
    bool SetIcon(std::uint32_t commandId, std::uint32_t resourceId, int size);
    // Image i of the strip goes to ids[i]; id 0 marks a position without a command.
    bool SetIcons(std::uint32_t resourceId, const std::vector<std::uint32_t>& ids, int size);

    // An icon the program drew for the command (a colour swatch): it stands for the small image
    // and wins over the bitmap images. An empty icon takes it away.
    void SetCustomIcon(std::uint32_t commandId, const QIcon& icon);
    bool HasCustomIcon(std::uint32_t commandId) const { return m_customIcons.count(commandId) != 0; }

    bool HasIcon(std::uint32_t commandId, int size) const;
    // The resource id set for the command and size; 0 when none.
    std::uint32_t ResourceId(std::uint32_t commandId, int size) const;
    // The image of that size, else the one of the other size, else the command's own.
    QIcon Icon(std::uint32_t commandId, int size) const;
    // The icon map's name of the picture Icon gives; empty for a custom icon and for a command
    // whose picture the map does not name (a drawn one).
    QString IconName(std::uint32_t commandId, int size) const;

private:
    struct Image
    {
        std::uint32_t resourceId;
        int index;
    };

    const Image* Find(std::uint32_t commandId, int size) const;

    std::map<std::pair<std::uint32_t, int>, Image> m_images;
    std::map<std::uint32_t, QIcon> m_customIcons;
};
