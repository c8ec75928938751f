#pragma once
// The drawing tools' main commands: arming a tool (pressing the armed tool's button again
// disarms it), the drawing mode, the labels switch, the default style of new formations, the
// symbol of the symbol tool, and removing every formation of the active chart after asking.
// It keeps only the last special-styles answer of its style gallery. Main thread only.

#include "charts/ui/CmdTargetFormationBase.h"
#include "styles/engine/SpecialStylesInfo.h"

#include <memory>

class CmdTargetFormationMainTab : public CmdTargetFormationBase
{
public:
    // The chart library's consumer.
    CmdTargetFormationMainTab();
    explicit CmdTargetFormationMainTab(ChartConsumer* consumer);

    const std::shared_ptr<SpecialStylesInfo>& GetSpecialStylesInfo() const { return m_specialStyles; }

private:
    void ToolButton(std::uint32_t id, FormationType kind);
    void ModeButton(std::uint32_t id, int mode);
    void DefaultStyleGallery();
    void SymbolsGallery();
    void RemoveAll();
    bool Enabled() const;

    std::shared_ptr<SpecialStylesInfo> m_specialStyles;
};
