#pragma once
// The controls the style-editing tabs of charts, formations, details and offers are made of,
// each added to a group under its command id; every one answers false (the tab's builder
// stops) when the control could not be made. Main thread only.

#include "platform/modules/StyleType.h"

#include <QString>

#include <cstdint>
#include <initializer_list>

class RibbonGroupBase;

namespace StyleTabControls
{
// Colour buttons, the first of them after a begin-group separator when beginGroup.
bool AddColours(RibbonGroupBase& group, std::initializer_list<std::uint32_t> ids, bool beginGroup = false);
// A check box; with a caption, shown instead of the string table's (which the tooltip keeps).
bool AddCheck(RibbonGroupBase& group, std::uint32_t id, const QString& caption = QString());
// The grid pen's colour button, line-type and line-width combos, each after a separator.
bool AddPen(RibbonGroupBase& group, std::uint32_t colourId, std::uint32_t typeId, std::uint32_t widthId);
bool AddFont(RibbonGroupBase& group, std::uint32_t nameId, std::uint32_t sizeId);
// A gallery of the kind's styles: to copy one ("Skopiuj z..."), or to choose a related one.
bool AddStyleGallery(RibbonGroupBase& group, std::uint32_t id, StyleType kind);
// The style's name box.
bool AddNameEdit(RibbonGroupBase& group, std::uint32_t id);
// A button with a popup captioned from the string id, offering the two choices' commands.
bool AddChoicePopup(RibbonGroupBase& group, std::uint32_t id, std::uint32_t captionId, std::uint32_t one,
                    std::uint32_t zero);

// The controls of one row style: its style gallery, font, six colour buttons (without captions
// when iconsOnly: their tooltips keep them) and its "Skopiuj z...".
struct RowIds
{
    std::uint32_t styleGallery;
    std::uint32_t fontName;
    std::uint32_t fontSize;
    std::uint32_t colours[6];
    std::uint32_t copyFrom;
};
bool AddRow(RibbonGroupBase& group, const RowIds& ids, bool iconsOnly);
}
