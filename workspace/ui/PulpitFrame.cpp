#include "workspace/ui/PulpitFrame.h"

#include "platform/base/Log.h"
#include "platform/toolkit/RibbonBarView.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonTabsCreatorsQ4Classic.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/controls/RibbonGlobals.h"
#include "ribbon/controls/RibbonToolTipsManagement.h"
#include "ribbon/statusbar/QuorvantaStatusBar.h"
#include "ribbon/themes/RibbonThemes.h"
#include "ribbon/themes/ThemeManager.h"

PulpitFrame::PulpitFrame(bool extendedMode)
    : m_extendedMode(extendedMode)
{
    m_commandBars.SetCommandTarget(&m_themeCommands);
    SetRibbonThemeFrame(this);
}

// The ribbon view is a child widget and dies after the members; it then shows nothing.
PulpitFrame::~PulpitFrame()
{
    SetRibbonThemeFrame(nullptr);
}

bool PulpitFrame::LoadRibbonTheme(const QString& themeName, const QString& iniName, const QString& normalIniName)
{
    return ThemeManager::Instance().LoadTheme(themeName, iniName, normalIniName);
}

bool PulpitFrame::CreateRibbon()
{
    m_ribbonsFactory = std::make_shared<RibbonsFactory>(*this, std::make_shared<RibbonTabsCreatorsQ4Classic>());
    m_toolTips = std::make_shared<RibbonToolTipsManagement>();
    // The control builders reach the frame's ribbon and tooltips through these while the tabs are made.
    SetGlobalRibbonsFactory(m_ribbonsFactory);
    SetGlobalRibbonToolTipsManagement(m_toolTips);
    if (!m_ribbonsFactory->CreateRibbon())
    {
        Log::WriteError(QStringLiteral("Nie udało się utworzyć wstążki."), QStringLiteral("Quorvanta 4"),
                        QStringLiteral("PulpitFrame::CreateRibbon"), __LINE__);
        return false;
    }
    setMenuWidget(new RibbonBarView(*m_ribbonsFactory->GetRibbonBar(), this));
    ApplyRibbonTheme(GetCurrentRibbonThemeIndex());
    return true;
}

void PulpitFrame::CreateStatusBar()
{
    m_statusBar = new QuorvantaStatusBar(this);
    m_statusBar->AddIndicator(StatusBarBase::kSeparatorId);
    m_statusBar->AddProgressPane();
    m_statusBar->AddInfoPane();
    setStatusBar(m_statusBar);
}
