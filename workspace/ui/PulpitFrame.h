#pragma once
// The main window: the ribbon over the workspace and the status bar under it. It owns the
// command bars into which the ribbons factory puts the ribbon; the workspace of screens and
// the command routing join it as they come into the program.

#include "platform/toolkit/CommandBars.h"
#include "ribbon/IRibbonsFactoryOwner.h"
#include "ribbon/themes/IRibbonThemeFrame.h"
#include "ribbon/themes/RibbonThemeCommands.h"

#include <QMainWindow>

#include <memory>

class QuorvantaStatusBar;
class RibbonsFactory;
class RibbonToolTipsManagement;

class PulpitFrame : public QMainWindow, public IRibbonsFactoryOwner, public IRibbonThemeFrame
{
    Q_OBJECT

public:
    explicit PulpitFrame(bool extendedMode);
    ~PulpitFrame() override;

    // Builds the ribbon of the standard edition; false (and logged) when it cannot be built.
    bool CreateRibbon();
    // The separator, the progress pane and the info pane.
    void CreateStatusBar();

    CommandBars* GetCommandBars() override { return &m_commandBars; }
    bool IsExtendedMode() const override { return m_extendedMode; }
    bool LoadRibbonTheme(const QString& themeName, const QString& iniName, const QString& normalIniName) override;
    std::shared_ptr<RibbonsFactory> GetRibbonsFactory() const { return m_ribbonsFactory; }
    QuorvantaStatusBar* GetStatusBar() const { return m_statusBar; }

private:
    const bool m_extendedMode;
    // Until the frame routes commands through its whole chain of targets, the ribbon's
    // commands reach the colour-theme commands only.
    RibbonThemeCommands m_themeCommands;
    CommandBars m_commandBars;
    std::shared_ptr<RibbonsFactory> m_ribbonsFactory;
    std::shared_ptr<RibbonToolTipsManagement> m_toolTips;
    QuorvantaStatusBar* m_statusBar = nullptr;
};
