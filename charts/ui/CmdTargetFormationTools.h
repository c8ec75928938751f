#pragma once
// The twelve per-tool targets of the formation tabs, each answering its own tool's parameter
// controls: values typed into the tab's edits, flags, levels popups and the regression channel's
// price and channel-type items. They are thin: their tables are built from the families of
// CmdTargetFormationBase, and the library holds every value.

#include "charts/ui/CmdTargetFormationBase.h"

#define Q4_FORMATION_TOOL_TARGET(Name)                                                                                 \
    class Name : public CmdTargetFormationBase                                                                         \
    {                                                                                                                  \
    public:                                                                                                            \
        Name();                                                                                                        \
        explicit Name(ChartConsumer* consumer);                                                                        \
    };

Q4_FORMATION_TOOL_TARGET(CmdTargetFormationAndrewsPitchfork)
Q4_FORMATION_TOOL_TARGET(CmdTargetFormationRegressionChannel)
Q4_FORMATION_TOOL_TARGET(CmdTargetFormationShape)
Q4_FORMATION_TOOL_TARGET(CmdTargetFormationFibo)
Q4_FORMATION_TOOL_TARGET(CmdTargetFormationFiboTimeRange)
Q4_FORMATION_TOOL_TARGET(CmdTargetFormationFiboAngleAndFan)
Q4_FORMATION_TOOL_TARGET(CmdTargetFormationFiboTimeZone)
Q4_FORMATION_TOOL_TARGET(CmdTargetFormationGannFan)
Q4_FORMATION_TOOL_TARGET(CmdTargetFormationGannLine)
Q4_FORMATION_TOOL_TARGET(CmdTargetFormationCycleLines)
Q4_FORMATION_TOOL_TARGET(CmdTargetFormationVerticalHorizontalLine)
Q4_FORMATION_TOOL_TARGET(CmdTargetFormationAngleLine)

#undef Q4_FORMATION_TOOL_TARGET
