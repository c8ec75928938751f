#pragma once
// The controls the style-editing tabs of the list windows share: the grid-line group (two check
// boxes, the line colour, type and width), a popup of choices, and the group of a related
// text-field style (its style and copy-from galleries, font, size and six colour buttons with
// their icons). Each returns false when a control could not be made. Main thread only.

#include "styles/ui/CmdTargetEditGridStyleBase.h"

#include <QString>

#include <cstdint>
#include <initializer_list>

class RibbonControl;
class RibbonGroupBase;

namespace StyleEditListTabControls
{
struct GridLineIds
{
    std::uint32_t horizontal;
    std::uint32_t vertical;
    std::uint32_t colour;
    std::uint32_t lineType;
    std::uint32_t lineWidth;
};

// The check boxes take the captions when given, else keep the string table's.
bool AddGridLineControls(RibbonGroupBase& group, const GridLineIds& ids, const QString& horizontalCaption = {},
                         const QString& verticalCaption = {});
// A button with a popup of the commands, each captioned from the string table.
RibbonControl* AddChoicesPopup(RibbonGroupBase& group, std::uint32_t id, std::initializer_list<std::uint32_t> choices);
// A popup whose gallery shows the styles of the kind (without the edit entry).
RibbonControl* AddStyleGallery(RibbonGroupBase& group, std::uint32_t id, int styleKind);
// The style gallery, font, size, the six colour buttons (captions shown or left empty, the
// string table's text kept as tooltip) and the copy-from gallery of one related style, with the
// shared strips' icons of the style gallery and, when copyFromIcon, of the copy-from gallery.
bool AddTextFieldControls(RibbonGroupBase& group, const CmdTargetEditGridStyleBase::TextFieldGroup& ids,
                          bool colourCaptions, bool copyFromIcon = true);
// The style's name.
bool AddNameEdit(RibbonGroupBase& group, std::uint32_t id);
}
