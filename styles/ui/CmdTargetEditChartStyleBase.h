#pragma once
// What the style targets of chart windows, chart elements and formations share: the active
// chart's objects, reached afresh at every call (null without an active chart, or when the
// chart library is gone), the chart redrawn after every executed change, and the "Skopiuj z..."
// gallery's information, whose previews are drawn on the active view's background.
// Main thread only.

#include "styles/engine/SpecialStylesInfo.h"
#include "styles/ui/CmdTargetEditStyleBase.h"

#include <functional>

class ActiveObjectsContainer;

class CmdTargetEditChartStyleBase : public CmdTargetEditStyleBase
{
public:
    // The active chart's objects; null without an active chart.
    using ActiveObjects = std::function<ActiveObjectsContainer*()>;

    CmdTargetEditChartStyleBase(std::shared_ptr<StyleBase> style, StyleEditModeHandler& handler,
                                ActiveObjects activeObjects);

    // The chart is redrawn in the changed style.
    void OnStyleCopied() override;

    // The last answer to a gallery's request for its special styles.
    const std::shared_ptr<SpecialStylesInfo>& GetGalleryInfo() const { return m_galleryInfo; }

protected:
    ActiveObjectsContainer* Active() const;
    // Answers the copy-from gallery's request: previews on the active view's background.
    void AddCopyFromInfo(std::uint32_t id);
    // Keeps the information and makes it the notification's answer.
    void Answer(NotifyInfo& info, std::shared_ptr<SpecialStylesInfo> galleryInfo);

private:
    ActiveObjects m_activeObjects;
    std::shared_ptr<SpecialStylesInfo> m_galleryInfo;
};
