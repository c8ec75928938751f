#pragma once
// Makes the ribbon tabs of one kind of window (or the main tabs), adds them to the ribbon bar
// and records them with the ribbons factory; may also make the controls that the frame asks
// the ribbon for. A creator lives as long as the ribbons factory that made it.

struct RibbonCreateControlRequest;
class QuorvantaRibbonBar;
class RibbonsFactory;

class RibbonTabsCreator
{
public:
    RibbonTabsCreator(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar);
    virtual ~RibbonTabsCreator() = default;

    RibbonTabsCreator(const RibbonTabsCreator&) = delete;
    RibbonTabsCreator& operator=(const RibbonTabsCreator&) = delete;

    // Adds the tabs; false when a tab could not be made. A creator that makes no tabs answers false.
    virtual bool CreateTabs();
    // True when this creator made the control the frame asked for.
    virtual bool HandleFrameRequest(RibbonCreateControlRequest& request);

    RibbonsFactory& GetRibbonsFactory() const { return m_factory; }
    QuorvantaRibbonBar& GetRibbonBar() const { return m_ribbonBar; }

private:
    RibbonsFactory& m_factory;
    QuorvantaRibbonBar& m_ribbonBar;
};
