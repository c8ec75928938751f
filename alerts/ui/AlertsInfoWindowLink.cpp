#include "alerts/ui/AlertsInfoWindowLink.h"

AlertsInfoWindowLink::AlertsInfoWindowLink(AlertModule& module, IGenericModule* genericModule,
                                           AlertsInfoDlg::TabCaptionSetter tabCaption, ParentProvider parent)
    : m_module(module)
    , m_genericModule(genericModule)
    , m_tabCaption(std::move(tabCaption))
    , m_parent(std::move(parent))
{
}

AlertsInfoWindowLink::~AlertsInfoWindowLink()
{
    Destroy();
}

bool AlertsInfoWindowLink::Create(QWidget* parent)
{
    if (m_window)
        return true;
    QWidget* host = parent ? parent : (m_parent ? m_parent() : nullptr);
    if (!host)
        return false;
    m_window = new AlertsInfoDlg(m_module, m_genericModule, m_tabCaption, host);
    m_window->move(20, 20);
    m_window->hide();
    return true;
}

bool AlertsInfoWindowLink::IsVisible() const
{
    return m_window && m_window->Visible();
}

void AlertsInfoWindowLink::SetVisible(bool visible)
{
    if (visible && Create(nullptr))
        m_window->Show();
    else if (!visible && m_window)
        m_window->Hide();
}

int AlertsInfoWindowLink::GetActiveTab() const
{
    return m_window ? m_window->GetActiveTabNumber() : AlertsInfoDlg::kNeitherTab;
}

void AlertsInfoWindowLink::RedrawDefinedAlerts()
{
    if (m_window)
        m_window->DefinedHandler().RequestRedraw();
}

void AlertsInfoWindowLink::SerialiseState(Settings& node) const
{
    if (m_window)
        m_window->SerializeState(node);
}

void AlertsInfoWindowLink::SerialiseStateToQ5Format(Q5Settings& node) const
{
    if (m_window)
        m_window->SerializeStateToQ5Format(node);
}

void AlertsInfoWindowLink::UnserialiseState(const Settings& node, bool fromPanel)
{
    if (Create(nullptr))
    {
        m_window->UnSerializeState(node, fromPanel);
        // A window file opens the window.
        m_window->Show();
    }
}

void AlertsInfoWindowLink::Destroy()
{
    // The window detaches the models' views as it goes.
    delete m_window.data();
}
