#pragma once
// The controls every formation tab shares: the name, the label and extension switches, remove
// and duplicate, the formation style gallery with its preview, and the popups that only make
// sense with an active formation. It keeps the last special-styles answer of its gallery.

#include "charts/ui/CmdTargetFormationBase.h"
#include "styles/engine/SpecialStylesInfo.h"

#include <memory>

class CmdTargetFormationCommon : public CmdTargetFormationBase
{
public:
    CmdTargetFormationCommon();
    explicit CmdTargetFormationCommon(ChartConsumer* consumer);

    const std::shared_ptr<SpecialStylesInfo>& GetSpecialStylesInfo() const { return m_specialStyles; }

private:
    void NameEdit();
    void StyleGallery();

    std::shared_ptr<SpecialStylesInfo> m_specialStyles;
};
