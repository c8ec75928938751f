#pragma once
// Notification codes that ribbon and gallery controls send to their command targets. Code 0
// and -1 are taken by commands and update-UI requests (see CmdTarget).

namespace NotifyCodes
{
inline constexpr int Execute = 100;                  // an edit, combo, popup or gallery item was chosen
inline constexpr int GalleryPreviewCancel = 0x1011;  // the user left a gallery without choosing
inline constexpr int GalleryPreviewApply = 0x1012;   // a previewed gallery item was chosen
inline constexpr int GalleryPreviewChange = 0x1013;  // 4115: the hovered gallery item changed
inline constexpr int GallerySelectionChange = 0x1015;  // 4117: the style galleries' preview
inline constexpr int SpecialStylesRequest = 0x1111;  // 4369: a style gallery asks for its special styles
inline constexpr int CheckedItemQuery = 0x2111;      // 8465: a gallery asks which item to show checked
inline constexpr int TabSelectionChange = -551;      // the selected ribbon tab changed
}
