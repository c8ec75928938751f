#include "sessionstats/ui/SessionStatisticsWindowLink.h"

#include "platform/modules/IAppMediator.h"
#include "platform/modules/PluginBase.h"
#include "sessionstats/engine/SessionStatisticsModule.h"
#include "sessionstats/ui/SessionStatisticsWindow.h"

SessionStatisticsWindowLink::SessionStatisticsWindowLink(SessionStatisticsModule& module)
    : m_module(module)
{
}

SessionStatisticsWindowLink::~SessionStatisticsWindowLink()
{
    QObject::disconnect(m_destroyed);
    delete m_window.data();
}

bool SessionStatisticsWindowLink::Create(QWidget* parent)
{
    if (m_window)
        return true;
    m_window = new SessionStatisticsWindow(m_module, parent);
    m_window->hide();
    // The module drops this link from here; the widget is half gone, so the link forgets it first.
    m_destroyed = QObject::connect(m_window.data(), &QObject::destroyed, [this] {
        m_window.clear();
        m_module.OnWindowDestroyed();
    });
    return true;
}

QWidget* SessionStatisticsWindowLink::Widget() const
{
    return m_window.data();
}

void SessionStatisticsWindowLink::Show()
{
    if (m_window)
        m_window->Show();
}

void SessionStatisticsWindowLink::Hide()
{
    if (m_window)
        m_window->Hide();
}

bool SessionStatisticsWindowLink::IsVisible() const
{
    return m_window && m_window->isVisible();
}

bool SessionStatisticsWindowLink::IsActive() const
{
    IAppMediator* mediator = PluginBase::GetAppMediator();
    return m_window && mediator && mediator->GetActiveModuleWnd() == m_window.data();
}

void SessionStatisticsWindowLink::ShowTopPane(bool show)
{
    if (m_window)
        m_window->ShowTopPane(show);
}

void SessionStatisticsWindowLink::ShowBottomPane(bool show)
{
    if (m_window)
        m_window->ShowBottomPane(show);
}

void SessionStatisticsWindowLink::FitToContent(int width)
{
    if (m_window)
        m_window->FitToContent(width);
}

void SessionStatisticsWindowLink::SerializeState(Settings& node) const
{
    if (m_window)
        m_window->SerializeState(node);
}

bool SessionStatisticsWindowLink::UnSerializeState(const Settings& node, bool fromFile)
{
    return m_window && m_window->UnSerializeState(node, fromFile);
}

void SessionStatisticsWindowLink::SaveToQ5Format(Q5Settings& node) const
{
    if (m_window)
        m_window->SaveToQ5Format(node);
}

void SessionStatisticsWindowLink::RefreshViews()
{
    if (m_window)
        m_window->RefreshViews();
}

void SessionStatisticsWindowLink::OnStyleChanged()
{
    if (m_window)
        m_window->OnStyleChanged();
}
