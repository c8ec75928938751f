#pragma once
// The main window: the ribbon over the workspace. It owns the command bars into which the
// ribbons factory puts the ribbon; the workspace of screens and the command routing join it
// as they come into the program.

#include "platform/toolkit/CommandBars.h"
#include "ribbon/IRibbonsFactoryOwner.h"

#include <QMainWindow>

#include <memory>

class RibbonsFactory;

class PulpitFrame : public QMainWindow, public IRibbonsFactoryOwner
{
    Q_OBJECT

public:
    explicit PulpitFrame(bool extendedMode);
    ~PulpitFrame() override;

    // Builds the ribbon of the standard edition; false (and logged) when it cannot be built.
    bool CreateRibbon();

    CommandBars* GetCommandBars() override { return &m_commandBars; }
    bool IsExtendedMode() const override { return m_extendedMode; }
    RibbonsFactory* GetRibbonsFactory() const { return m_ribbonsFactory.get(); }

private:
    const bool m_extendedMode;
    CommandBars m_commandBars;
    std::unique_ptr<RibbonsFactory> m_ribbonsFactory;
};
