#pragma once
// The ribbon's colour buttons: a button with a popup whose gallery offers the theme colours,
// the standard colours, a separator line and "Więcej kolorów" (item id -3), optionally headed
// by a default entry (item id -2). A colour cell's id is its colour reference.

#include <QString>

#include <cstdint>

class RibbonControl;
class RibbonGroupBase;
class RibbonPopupBar;

namespace RibbonColorPopupIds
{
// The control flag the colour buttons carry.
inline constexpr std::uint32_t kColorButtonFlag = 0x20;
inline constexpr int kGalleryWidth = 171;
inline constexpr int kGalleryHeight = 163;
inline constexpr int kGalleryHeightWithDefault = 180;
}

RibbonControl* AddColorPopupButton(RibbonGroupBase* group, std::uint32_t id);
// With the default entry captioned defaultCaption, or "Domyślny" when it is empty.
RibbonControl* AddColorPopupButtonWithDefault(RibbonGroupBase* group, std::uint32_t id,
                                              const QString& defaultCaption = QString());
// The same colour button with its default entry as an item of a popup: a submenu of colours.
RibbonControl* AddColorPopupItemWithDefault(RibbonPopupBar& popup, std::uint32_t id);
