#pragma once
// The formation parameter operations the drawing tools' command targets share: the Fibonacci
// levels read from the active formation and written from a levels popup, the flag toggles, and
// the numeric edits of the formation tabs found on the main frame's ribbon. Main thread only.

#include "platform/modules/FormationParam.h"

#include <cstdint>
#include <memory>

class ActiveObjectsContainer;
class CmdUI;
class FiboLevelsContainer;
class RibbonEditControl;

namespace FormationParamValues
{
// The levels of the active formation; null without one or when it has none.
std::shared_ptr<FiboLevelsContainer> GetActiveFiboLevels(const ActiveObjectsContainer* active);
// Writes the levels of the popup under the control; nothing when any piece is missing,
// including a popup that has no levels to give.
void ApplyFiboLevelsFromPopup(ActiveObjectsContainer* active, std::uint32_t groupId, std::uint32_t controlId);
// The same for the Gann fan's popup.
void ApplyGannLevelsFromPopup(ActiveObjectsContainer* active, std::uint32_t groupId, std::uint32_t controlId);
void ToggleFormationFlag(ActiveObjectsContainer* active, FormationParam::Type type);
void UpdateFormationFlagCommand(const ActiveObjectsContainer* active, CmdUI& cmdUI, FormationParam::Type type);
// The edit with the id in the ribbon group; null without the frame's ribbon, the group or an edit.
RibbonEditControl* FindRibbonEditExControl(std::uint32_t groupId, std::uint32_t controlId);
}
