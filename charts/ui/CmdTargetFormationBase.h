#pragma once
// What the drawing tools' command targets have in common: the chart library's consumer they ask
// afresh on every call, and the handler families of their tables (flag toggles, controls enabled
// only with an active formation, numeric edits, levels buttons, value items). They keep no
// formation state: every update reads the library, every command writes it. Main thread only.

#include "platform/modules/FormationParam.h"
#include "platform/ui/CmdTarget.h"

class ActiveObjectsContainer;
class ChartConsumer;
class RibbonEditControl;

class CmdTargetFormationBase : public CmdTarget
{
public:
    // The precision of the numeric edits that show a value "at the default precision".
    static constexpr int kDefaultPrecision = 2;

protected:
    explicit CmdTargetFormationBase(ChartConsumer* consumer);

    ChartConsumer* Consumer() const { return m_consumer; }
    // The active chart's objects; null without a chart.
    ActiveObjectsContainer* Active() const;
    bool IsFormationActive() const;

    void FlagControl(std::uint32_t id, FormationParam::Type type);
    void ActiveOnly(std::uint32_t id);
    void AlwaysEnabled(std::uint32_t id);
    // A numeric edit in the group: Enter writes its number, the update shows the parameter.
    // Whole numbers are truncated toward zero; a text that is no number is not written.
    void NumericEdit(std::uint32_t id, FormationParam::Type type, std::uint32_t groupId, int precision,
                     bool wholeNumber = false);
    // Only the Enter side of a numeric edit, for a target whose update is its own.
    void NumericEditCommand(std::uint32_t id, FormationParam::Type type, std::uint32_t groupId, bool wholeNumber);
    // The edit of the group, showing the parameter; null (and the command disabled) without
    // the edit or an active formation.
    RibbonEditControl* ShowInEdit(CmdUI& cmdUI, std::uint32_t groupId, FormationParam::Type type, int precision) const;
    // An item that writes the value as an unsigned whole number; checked while the parameter has it.
    void ValueItem(std::uint32_t id, FormationParam::Type type, unsigned value);

private:
    ChartConsumer* m_consumer = nullptr;
};
