#pragma once
// The one command target through which the main frame reaches the drawing tools: it offers each
// command, update and notification to its fourteen targets in their order, and the first that
// takes it ends the search; an id none of them knows goes on to the frame's next target. Made
// once with the main frame; main thread only.

#include "platform/ui/CmdTarget.h"

#include <memory>
#include <vector>

class ChartConsumer;

class FormationCmdTargetsCollection : public CmdTarget
{
public:
    // The chart library's consumer.
    FormationCmdTargetsCollection();
    explicit FormationCmdTargetsCollection(ChartConsumer* consumer);

    bool OnCmdMsg(std::uint32_t id, int code, void* extra) override;
    const std::vector<std::shared_ptr<CmdTarget>>& Targets() const { return m_targets; }

private:
    std::vector<std::shared_ptr<CmdTarget>> m_targets;
};
