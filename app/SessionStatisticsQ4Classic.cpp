#include "app/SessionStatisticsQ4Classic.h"

#include "core/mediator/AppMediator.h"
#include "core/mediator/IApplicationObject.h"
#include "core/mediator/IMainFrame.h"
#include "platform/base/Log.h"
#include "sessionstats/ui/SessionStatisticsWindowLink.h"
#include "sessionstats/ui/StyleSessionStatistics.h"
#include "styles/engine/StyleKinds.h"

SessionStatisticsQ4Classic::SessionStatisticsQ4Classic()
    : m_module(*this)
{
    SetQ5ModuleName(m_module.GetQ5ModuleName());
    SetQ5FileExtension(m_module.GetQ5FileExtension());
    StyleSessionStatistics::RegisterKind();
    StyleKinds::SetDefaultStyleSource(StyleSessionStatistics::Type, [this] { return m_module.DefaultStyle(); });
    m_module.FindWindowStyle(0);
    m_module.SetWindowFactory(
        [](SessionStatisticsModule& module) { return std::make_shared<SessionStatisticsWindowLink>(module); });
    m_module.KeepFeedForWholeRun(true);
    StartStatistics();
}

SessionStatisticsQ4Classic::~SessionStatisticsQ4Classic()
{
    StyleKinds::SetDefaultStyleSource(StyleSessionStatistics::Type, nullptr);
}

void SessionStatisticsQ4Classic::StartStatistics()
{
    if (!m_module.Initialise())
        return;
    if (!GetRunningProvider(SessionStatisticsModule::ProviderName()))
    {
        Log::WriteWarning(QStringLiteral("Statystyka Sesji: dostawca \"%1\" nie działa; statystyki sesji nie będą liczone.")
                              .arg(SessionStatisticsModule::ProviderName()),
                          QStringLiteral("Quorvanta 4"), QStringLiteral("SessionStatisticsQ4Classic::StartStatistics"), __LINE__);
        return;
    }
    // Registers the module with the running provider and lets the worker run: what the shown
    // window would do.
    m_module.OnWindowShown();
    Log::WriteInfo(QStringLiteral("Statystyka Sesji: wątek przetwarzania uruchomiony."), QStringLiteral("Quorvanta 4"),
                   QStringLiteral("SessionStatisticsQ4Classic::StartStatistics"), __LINE__);
}

void SessionStatisticsQ4Classic::Shutdown()
{
    m_module.Shutdown();
    Log::WriteInfo(QStringLiteral("Statystyka Sesji: wątek przetwarzania zatrzymany."), QStringLiteral("Quorvanta 4"),
                   QStringLiteral("SessionStatisticsQ4Classic::Shutdown"), __LINE__);
}

QString SessionStatisticsQ4Classic::GetFileExtension() const
{
    return m_module.GetFileExtension();
}

QString SessionStatisticsQ4Classic::GetFileFilter() const
{
    return m_module.GetFileFilter();
}

QString SessionStatisticsQ4Classic::GetModuleName() const
{
    return m_module.GetModuleName();
}

QString SessionStatisticsQ4Classic::GetDefaultFileName() const
{
    return m_module.GetDefaultFileName();
}

bool SessionStatisticsQ4Classic::CanSaveWindowToFile() const
{
    return m_module.CanSaveWindowToFile();
}

bool SessionStatisticsQ4Classic::SaveWindowToFile(QWidget* window, const QString& path, int flags, bool embedStyles)
{
    return m_module.SaveWindowToFile(window, path, flags, embedStyles);
}

bool SessionStatisticsQ4Classic::SaveWindowToQ5Format(QWidget* window, const QString& path, int flags, int reserved)
{
    return m_module.SaveWindowToQ5Format(window, path, flags, reserved);
}

bool SessionStatisticsQ4Classic::OpenWindowFromFile(QWidget* parent, const QString& path, bool fromPanel)
{
    return m_module.OpenWindowFromFile(parent, path, fromPanel);
}

void SessionStatisticsQ4Classic::SerialisePanelStateToQ5Format(Q5Settings& node)
{
    m_module.SerialisePanelStateToQ5Format(node);
}

void SessionStatisticsQ4Classic::SerialisePanelState(Settings& node)
{
    m_module.SerialisePanelState(node);
}

void SessionStatisticsQ4Classic::UnserialisePanelState(const Settings& node)
{
    m_module.UnserialisePanelState(node);
}

void SessionStatisticsQ4Classic::PostUnserialisePanelState(const Settings& node, QWidget* activeView)
{
    m_module.PostUnserialisePanelState(node, activeView);
}

bool SessionStatisticsQ4Classic::SerialiseInLastSession(QWidget* window) const
{
    return m_module.SerialiseInLastSession(window);
}

void SessionStatisticsQ4Classic::OnSessionLoaded(QWidget* activeView)
{
    m_module.OnSessionLoaded(activeView);
}

int SessionStatisticsQ4Classic::GetFirstNamedWindowStyleId() const
{
    return m_module.GetFirstNamedWindowStyleId();
}

void SessionStatisticsQ4Classic::FindWindowStyle(int styleId)
{
    m_module.FindWindowStyle(styleId);
}

IAlertModule* SessionStatisticsQ4Classic::GetAlertsInterface()
{
    AppMediator* mediator = AppMediator::Instance();
    return mediator ? mediator->GetAlertsInterface() : nullptr;
}

ProviderBase* SessionStatisticsQ4Classic::GetRunningProvider(const QString& name)
{
    AppMediator* mediator = AppMediator::Instance();
    return mediator ? mediator->GetRunningProvider(name) : nullptr;
}

QWidget* SessionStatisticsQ4Classic::GetMainWindow()
{
    // The window lives in a panel: the active one, or the main window's when none is.
    AppMediator* mediator = AppMediator::Instance();
    if (!mediator)
        return nullptr;
    if (QWidget* view = mediator->GetActivePanelView())
        return view;
    const IApplicationObject* application = mediator->GetApplicationObject();
    if (QWidget* view = application ? application->GetCurrentPanelView() : nullptr)
        return view;
    IMainFrame* frame = mediator->GetMainFrame();
    return frame ? frame->GetWindow() : nullptr;
}

void SessionStatisticsQ4Classic::WriteError(const QString& module, const QString& where, int line, const QString& text)
{
    Log::WriteError(text, module, where, line);
}
