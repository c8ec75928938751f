#pragma once
// The steps the module tab creators build their groups with: a group captioned from the string
// table with its collapsed icon, and a control with its icons, size and column break. Each is
// null when the group or control cannot be made.

#include <QString>

#include <cstdint>

class QuorvantaTab;
class RibbonControl;
class RibbonGroupBase;
class RibbonsFactory;

// The caption part of a string-table entry: the text after its last line break.
QString RibbonCaptionOf(std::uint32_t stringId);
RibbonGroupBase* AddCaptionedGroup(RibbonsFactory& factory, QuorvantaTab& tab, std::uint32_t captionId,
                                   std::uint32_t icon);
// Large when it has a 32 px icon; newBlock starts a new column.
RibbonControl* AddIconControl(RibbonsFactory& factory, RibbonGroupBase* group, int type, std::uint32_t id,
                              std::uint32_t icon16, std::uint32_t icon32, bool newBlock);
