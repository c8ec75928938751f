#pragma once
// The builders every tab creator fills its groups with: each adds one control to a group under
// its command id, gives it the HTML tooltip of the id (through the main frame's tooltip
// management; skipped without a main frame) and returns it, or null when the group is null.
// The icon setters put images of bitmap resources under command ids in the image manager of
// the main frame's ribbon.

#include <QString>

#include <cstdint>
#include <memory>
#include <span>

class GalleryItem;
class RibbonControl;
class RibbonGroupBase;
class RibbonTabBase;

namespace RibbonBuilderIds
{
// Fills the positions of a shared strip whose images a call does not want.
inline constexpr std::uint32_t ID_ICON_PLACEHOLDER = 33576;
// The shared strips of the style popups.
inline constexpr std::uint32_t IDB_SHARED_SMALL = 354;
inline constexpr std::uint32_t IDB_SHARED_LARGE = 353;
}

// Tooltips. A null control or item does nothing.
void AddControlToolTip(RibbonControl* control);
void SetGalleryItemToolTip(GalleryItem* item, std::uint32_t stringId);

RibbonControl* AddRibbonControl(RibbonGroupBase* group, int type, std::uint32_t id);
// Adds a control the caller made; null when the group or the control is null.
RibbonControl* AddRibbonControlObject(RibbonGroupBase* group, std::unique_ptr<RibbonControl> control,
                                      std::uint32_t id);
// A button; unless keepPlain, also one of the group's own controls (a RibbonGroup's).
RibbonControl* AddRibbonButton(RibbonGroupBase* group, std::uint32_t id, bool keepPlain = false);
// A RibbonGroup appended to the tab: its id is the string id, its caption the entry's text
// after the first line break (the whole entry without one). Null for a null tab or a missing
// entry.
RibbonGroupBase* InsertRibbonGroup(RibbonTabBase* tab, std::uint32_t captionStringId);

// Every '_' of the caption becomes a no-break space, and the tooltip and description show the
// new caption where they showed the old one. A control without caption is left alone.
void ReplaceCaptionUnderscores(RibbonControl* control);

// Image i of the bitmap strip goes under ids[i] (the placeholder id takes none), 32 x 32 when
// large, else 16 x 16. False without a ribbon (logged).
bool SetBitmapIcons(std::uint32_t bitmapId, std::span<const std::uint32_t> ids, bool large);
// The 16 px image of bitmap16 and, unless bitmap32 is 0, the 32 px image of bitmap32.
void SetRibbonIcons(std::uint32_t id, std::uint32_t bitmap16, std::uint32_t bitmap32);
// The style popups' icons under the id: the fifth 16 px image of the shared small strip, the
// third 32 px image of the shared large strip, or both.
void SetSharedSmallIcon(std::uint32_t id);
void SetSharedLargeIcon(std::uint32_t id);
void SetSharedBitmapIcons(std::uint32_t id);
