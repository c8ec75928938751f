#pragma once
// The frame's command bars: they own the ribbon, keep the icons of every command and know
// the frame's command routing, to which every ribbon control sends its commands,
// notifications and update-UI requests. The frame keeps its command bars for its lifetime;
// the command target must outlive them or be cleared first.

#include "platform/toolkit/RibbonImageManager.h"

#include <QString>

#include <cstdint>
#include <memory>

class CmdTarget;
class RibbonBarBase;
class RibbonControl;

class CommandBars
{
public:
    CommandBars();
    ~CommandBars();

    CommandBars(const CommandBars&) = delete;
    CommandBars& operator=(const CommandBars&) = delete;

    CmdTarget* GetCommandTarget() const { return m_target; }
    void SetCommandTarget(CmdTarget* target) { m_target = target; }
    RibbonImageManager& GetImageManager() { return m_images; }
    const RibbonImageManager& GetImageManager() const { return m_images; }

    // Takes the ribbon under the name; null when there is none or a ribbon is already there.
    RibbonBarBase* AddRibbonBar(std::unique_ptr<RibbonBarBase> ribbon, const QString& name);
    RibbonBarBase* GetRibbonBar() const { return m_ribbon.get(); }

    // Asks the frame, when the command target is a window, to make its own control for the id.
    std::unique_ptr<RibbonControl> RequestControl(std::uint32_t id);

private:
    CmdTarget* m_target = nullptr;
    RibbonImageManager m_images;
    std::unique_ptr<RibbonBarBase> m_ribbon;
};
