#include "sessionstats/engine/SessionStatisticsModule.h"

#include "platform/base/ColorRef.h"
#include "platform/base/SafeAutoLock.h"
#include "platform/modules/IAlertModule.h"
#include "platform/modules/ProviderBase.h"
#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"
#include "sessionstats/engine/DataProcessingThread.h"
#include "sessionstats/engine/ISessionStatisticsMediator.h"
#include "sessionstats/engine/ISessionStatisticsWindow.h"
#include "styles/engine/StyleKinds.h"
#include "styles/engine/StyleType.h"
#include "styles/engine/StylesContainer.h"

#include <QMetaObject>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace
{
constexpr const char* kFile = "SessionStatisticsModule";
const char* const kFileRoot = "SessionStatistics";
// The node name of the window's state in window files, as files have always spelt it.
const char* const kWindowNode = "ManWindow";

// The font commands of the ribbon's font buttons.
constexpr quint32 kFontLarger = ColorRef::kOneStepLarger;
constexpr quint32 kFontSmaller = ColorRef::kOneStepSmaller;
constexpr quint32 kFontRestore = ColorRef::kStyleOwnValue;
// The font id of a text style, the text styles' font command, and the style's overall-bar font
// and its command.
constexpr int kTextFont = 0;
constexpr int kTextFontCommand = 12;
constexpr int kOverallFont = 9;
constexpr int kOverallFontCommand = 15;

bool IsFontCommand(quint32 command)
{
    return command == kFontLarger || command == kFontSmaller || command == kFontRestore;
}

// One step larger or smaller than the edited font, or the source's font back; the size never
// goes below one pixel.
LogFont ExecuteFontCommand(const LogFont& edited, const LogFont& source, quint32 command)
{
    if (command == kFontRestore)
        return source;
    LogFont font = edited;
    const qint32 size = std::abs(font.lfHeight);
    const qint32 changed = command == kFontLarger ? size + 1 : std::max(1, size - 1);
    font.lfHeight = font.lfHeight > 0 ? changed : -changed;
    return font;
}
}

SessionStatisticsModule::SessionStatisticsModule(ISessionStatisticsMediator& mediator, const StatisticsClock& clock)
    : ObjectWithStyle(*this, StyleTypes::SessionStatistics)
    , m_mediator(mediator)
    , m_clock(clock)
{
    SetQ5ModuleName(QStringLiteral("SessionStatistics"));
    SetQ5FileExtension(QStringLiteral(".q5SS"));
}

SessionStatisticsModule::~SessionStatisticsModule()
{
    UnregisterReceiver();
    ReleaseWorker();
    m_window.reset();
}

std::shared_ptr<StyleBase> SessionStatisticsModule::GetStyleToEdit(const std::shared_ptr<StyleBase>& style, int part) const
{
    if (!style)
        return nullptr;
    if (part == 0)
        return style;
    if (part >= 1 && part <= kAssetStatisticTypes)
        return style->GetRelatedStyle(part - 1);
    return nullptr;
}

void SessionStatisticsModule::ChangeDSParam(int part, int parameter, qint32 value)
{
    const quint32 command = quint32(value);
    const bool textFont = part >= 1 && part <= kAssetStatisticTypes && parameter == kTextFontCommand;
    const bool overallFont = part == 0 && parameter == kOverallFontCommand;
    const std::shared_ptr<StyleBase> shown = Style();
    if (!IsFontCommand(command) || !(textFont || overallFont) || !shown || !shown->IsKindOf(GetStyleKind()))
    {
        ObjectWithStyle::ChangeDSParam(part, parameter, value);
        return;
    }
    if (StyleId(false) != StyleBase::kOwnStyleId || !GetOwnStyle())
        UpdateStyle(StyleBase::kOwnStyleId);
    const std::shared_ptr<StyleBase> edited = GetStyleToEdit(GetOwnStyle(), part);
    const std::shared_ptr<StyleBase> source = GetStyleToEdit(GetSourceStyle(), part);
    if (!edited || !source)
        return;
    const int fontId = textFont ? kTextFont : kOverallFont;
    // A text style marks its font under the font's id, the style the bar's font under the command's.
    const int markId = textFont ? kTextFont : kOverallFontCommand;
    const GdiObject editedObject = edited->GetGdiObject(fontId);
    const GdiObject sourceObject = source->GetGdiObject(fontId);
    const LogFont* editedFont = editedObject.Font();
    const LogFont* sourceFont = sourceObject.Font();
    if (!editedFont || !sourceFont)
        return;
    edited->SetGdiObject(fontId, ExecuteFontCommand(*editedFont, *sourceFont, command));
    edited->SetChangedParameter(markId, command != kFontRestore);
    OnStyleChanged();
    edited->UpdateChangedParameter(*source, markId);
}

void SessionStatisticsModule::OnStyleChanged()
{
    if (HasWindowWidget())
        m_window->OnStyleChanged();
}

void SessionStatisticsModule::FindWindowStyle(int styleId)
{
    std::shared_ptr<StyleBase> style = StylesContainer::Instance().FindStyle(styleId, GetStyleKind());
    m_defaultStyle = style ? style : StyleKinds::Create(GetStyleKind());
}

bool SessionStatisticsModule::SaveWindowToFile(QWidget* window, const QString& path, int flags, bool embedStyles)
{
    if (!IsOwnWindow(window))
        return false;
    Settings tree;
    Serialise(tree, embedStyles);
    if (tree.SaveToFile(path, QString::fromLatin1(kFileRoot)))
        return true;
    LogError("SessionStatisticsModule::SaveWindowToFile", __LINE__,
             QStringLiteral("Statystyka Sesji: nie udało sie zapisać ustawień statystyk sesji do pliku"));
    return false;
}

bool SessionStatisticsModule::SaveWindowToQ5Format(QWidget* window, const QString& path, int flags, int reserved)
{
    if (!IsOwnWindow(window))
        return false;
    Q5Settings tree;
    tree["TopPane"] = static_cast<std::int32_t>(m_mainWindowSettings.topPane);
    tree["BottomPane"] = static_cast<std::int32_t>(m_mainWindowSettings.bottomPane);
    m_window->SaveToQ5Format(tree["MainWindow"]);
    return tree.SaveToFile(path, GetQ5ModuleName().toUtf8().constData());
}

bool SessionStatisticsModule::OpenWindowFromFile(QWidget* parent, const QString& path, bool fromPanel)
{
    Settings tree;
    if (!tree.LoadFromFile(path, QString::fromLatin1(kFileRoot)))
    {
        LogError("SessionStatisticsModule::OpenWindowFromFile", __LINE__,
                 QStringLiteral("Statystyka Sesji: nie udało sie wczytać ustawień statystyk sesji z pliku"));
        return false;
    }
    return Unserialise(tree, parent);
}

void SessionStatisticsModule::Serialise(Settings& tree, bool embedStyles) const
{
    SerialiseStyles(tree, embedStyles);
    tree["TopPaneVisible"] = static_cast<std::int32_t>(m_mainWindowSettings.topPane);
    tree["BottomPaneVisible"] = static_cast<std::int32_t>(m_mainWindowSettings.bottomPane);
    m_window->SerializeState(tree[kWindowNode]);
}

bool SessionStatisticsModule::Unserialise(const Settings& tree, QWidget* parent)
{
    UnserialiseStyles(tree);
    // A flag the file does not hold stays as it was.
    if (tree.Exists(QStringLiteral("TopPaneVisible")))
        m_mainWindowSettings.topPane = tree["TopPaneVisible"].ToInt() != 0 ? 1 : 0;
    if (tree.Exists(QStringLiteral("BottomPaneVisible")))
        m_mainWindowSettings.bottomPane = tree["BottomPaneVisible"].ToInt() != 0 ? 1 : 0;
    const Settings& state = tree[kWindowNode];
    if (!state.IsValid())
        return true;
    // A file opened with no panel in view goes where a toggled window would.
    if (!EnsureWindow(parent ? parent : m_mediator.GetMainWindow()))
        return false;
    m_window->UnSerializeState(state, true);
    return true;
}

bool SessionStatisticsModule::SetNewStatistics(const SessionStatistics& statistics)
{
    std::shared_ptr<const SessionStatistics> kept = std::make_shared<const SessionStatistics>(statistics);
    const QDateTime received = m_clock.Now();
    std::shared_ptr<DataProcessingThread> worker;
    {
        const SafeAutoLock lock(m_dataQueueLock, "SessionStatisticsModule::SetNewStatistics", kFile);
        m_queuedTime = received;
        // The statistics replaced are released after the lock.
        m_queuedStatistics.swap(kept);
        worker = m_worker;
        if (!worker)
            return false;
        // Each pass takes the newest statistics, so the passes already waiting publish these.
        if (m_waitingPasses >= kMaxWaitingPasses)
            return true;
        ++m_waitingPasses;
    }
    if (worker->PostThreadMessage(DataProcessingThread::kNewStatisticsMessage))
        return true;
    const SafeAutoLock lock(m_dataQueueLock, "SessionStatisticsModule::SetNewStatistics", kFile);
    if (m_worker == worker && m_waitingPasses > 0)
        --m_waitingPasses;
    return false;
}

void SessionStatisticsModule::OnSessionChange()
{
    std::shared_ptr<DataProcessingThread> worker;
    {
        const SafeAutoLock lock(m_dataQueueLock, "SessionStatisticsModule::OnSessionChange", kFile);
        m_queuedStatistics.reset();
        // Statistics that come next need a pass of their own after the reset: the passes waiting
        // now would publish them before it, and the reset would wipe them out.
        m_waitingPasses = 0;
        worker = m_worker;
    }
    if (worker)
        worker->PostThreadMessage(DataProcessingThread::kSessionChangeMessage);
}

void SessionStatisticsModule::ToggleWindow()
{
    if (!EnsureWindow(m_mediator.GetMainWindow()))
        return;
    if (IsWindowVisible())
        m_window->Hide();
    else
        m_window->Show();
}

QWidget* SessionStatisticsModule::GetWindow() const
{
    return m_window ? m_window->Widget() : nullptr;
}

bool SessionStatisticsModule::IsWindowVisible() const
{
    return HasWindowWidget() && m_window->IsVisible();
}

bool SessionStatisticsModule::IsWindowActive() const
{
    return HasWindowWidget() && m_window->IsActive();
}

void SessionStatisticsModule::ToggleTopPane()
{
    TogglePane(m_mainWindowSettings.topPane, &ISessionStatisticsWindow::ShowTopPane);
}

void SessionStatisticsModule::ToggleBottomPane()
{
    TogglePane(m_mainWindowSettings.bottomPane, &ISessionStatisticsWindow::ShowBottomPane);
}

void SessionStatisticsModule::RestoreDefaults()
{
    m_mainWindowSettings.topPane = 1;
    m_mainWindowSettings.bottomPane = 1;
    if (!HasWindowWidget())
        return;
    m_window->ShowTopPane(true);
    m_window->ShowBottomPane(true);
    m_window->FitToContent(-1);
    OnStyleChanged();
}

void SessionStatisticsModule::TogglePane(int& flag, void (ISessionStatisticsWindow::*showPane)(bool))
{
    flag = flag ? 0 : 1;
    if (!HasWindowWidget())
        return;
    (m_window.get()->*showPane)(flag != 0);
    m_window->FitToContent(-1);
}

void SessionStatisticsModule::PublishArgumentValues(std::shared_ptr<const AlertExprArgList> values)
{
    IAlertModule* alerts = m_mediator.GetAlertsInterface();
    if (!alerts || !values)
        return;
    if (values->ArgumentsCount() > 1)
        alerts->OnUpdateArgListValues(std::move(values));
    else if (values->ArgumentsCount() == 1)
        alerts->OnUpdateArgValue(values->ArgDescription(0), values->ArgValue(0));
}

void SessionStatisticsModule::NotifyArgumentDestroyed(const AlertExprArgDesc& argument)
{
    if (IAlertModule* alerts = m_mediator.GetAlertsInterface())
        alerts->OnArgDestroyed(argument);
}

bool SessionStatisticsModule::IsArgumentValid(const AlertExprArgDesc& argument)
{
    return SessionStatisticsArguments::IsArgumentValid(argument);
}

bool SessionStatisticsModule::AddArgumentUsage(const AlertExprArgDesc& argument)
{
    return m_arguments.AddArgumentUsage(argument);
}

void SessionStatisticsModule::RemoveArgumentUsage(const AlertExprArgDesc& argument)
{
    m_arguments.RemoveArgumentUsage(argument);
}

void SessionStatisticsModule::Shutdown()
{
    UnregisterReceiver();
    if (m_worker)
        m_worker->Stop();
}

bool SessionStatisticsModule::Initialise()
{
    {
        const SafeAutoLock lock(m_dataQueueLock, "SessionStatisticsModule::Initialise", kFile);
        if (m_worker && m_worker->IsRunning())
            return true;
    }
    ReleaseWorker();
    auto worker = std::make_shared<DataProcessingThread>(this);
    if (!worker->Start(MessageThread::StartMode::Suspended))
    {
        LogError("SessionStatisticsModule::Initialise", __LINE__, QStringLiteral("Nie utworzono wątku roboczego"));
        return false;
    }
    const SafeAutoLock lock(m_dataQueueLock, "SessionStatisticsModule::Initialise", kFile);
    m_worker = std::move(worker);
    return true;
}

bool SessionStatisticsModule::EnsureWindow(QWidget* parent)
{
    if (m_window)
        return true;
    std::shared_ptr<ISessionStatisticsWindow> window = m_windowFactory ? m_windowFactory(*this) : nullptr;
    if (window)
    {
        m_window = window;
        Initialise();
        if (window->Create(parent))
            return true;
        OnWindowDestroyed();
    }
    LogError("SessionStatisticsModule::EnsureWindow", __LINE__,
             QStringLiteral("Statystyka Sesji: nie udało sie utworzyć okna statystyk sesji"));
    return false;
}

void SessionStatisticsModule::OnWindowShown()
{
    UpdateStyle(StyleId(false));
    ProviderBase* provider = m_mediator.GetRunningProvider(ProviderName());
    if (!provider)
        return;
    if (m_worker)
        m_worker->Resume();
    if (!m_provider && provider->AddStatisticsSessionReceiver(this))
        m_provider = provider;
}

void SessionStatisticsModule::OnWindowHidden()
{
    if (m_feedForWholeRun)
        return;
    UnregisterReceiver();
    // A gate, not a suspension of the thread: a pass under way ends first, messages wait.
    if (m_worker && m_worker->IsRunning())
        m_worker->Pause();
}

void SessionStatisticsModule::OnWindowDestroyed()
{
    if (!m_feedForWholeRun)
    {
        UnregisterReceiver();
        ReleaseWorker();
    }
    m_window.reset();
}

void SessionStatisticsModule::ProcessLastSesstionStatistics()
{
    QDateTime received;
    std::shared_ptr<const SessionStatistics> statistics;
    {
        const SafeAutoLock lock(m_dataQueueLock, "SessionStatisticsModule::ProcessLastSesstionStatistics", kFile);
        if (m_waitingPasses > 0)
            --m_waitingPasses;
        if (!m_queuedStatistics)
            return;
        received = m_queuedTime;
        statistics = m_queuedStatistics;
    }
    const NDateTime receivedLocal = StatisticsClock::ToLocal(received);
    const std::uint32_t tick = m_clock.TickCount();
    {
        const SafeAutoLock lock(m_displayLock, "SessionStatisticsModule::ProcessLastSesstionStatistics", kFile);
        m_displayData.overall.Update(receivedLocal, *statistics);
        for (int kind = 0; kind < kAssetStatisticTypes; ++kind)
            m_displayData.highest[kind].Update(
                statistics->GetHighestAssetsList(static_cast<EAssetStatisticType>(kind)), tick);
        ++m_displayData.revision;
    }
    PublishArgumentsValues();
    RefreshViews();
}

void SessionStatisticsModule::ProcessSessionChange()
{
    const NDateTime now = StatisticsClock::ToLocal(m_clock.Now());
    {
        const SafeAutoLock lock(m_displayLock, "SessionStatisticsModule::ProcessSessionChange", kFile);
        m_displayData.overall.Reset(now);
        for (AssetStatisticsContainer& container : m_displayData.highest)
            container.Reset();
        ++m_displayData.revision;
    }
    RefreshViews();
}

void SessionStatisticsModule::PublishArgumentsValues()
{
    // Only the worker writes the display data, so it reads it without the lock.
    if (std::shared_ptr<const AlertExprArgList> values = m_arguments.MakeValues(m_displayData.overall))
        PublishArgumentValues(std::move(values));
}

SessionStatisticsDisplayData SessionStatisticsModule::GetDisplayData() const
{
    const SafeAutoLock lock(m_displayLock, "SessionStatisticsModule::GetDisplayData", kFile);
    return m_displayData;
}

void SessionStatisticsModule::RefreshViews()
{
    // One repaint waits at a time; it shows whatever is newest when it runs.
    if (m_refreshPending.exchange(true))
        return;
    QMetaObject::invokeMethod(
        &m_mainThreadContext,
        [this] {
            m_refreshPending.store(false);
            if (HasWindowWidget())
                m_window->RefreshViews();
        },
        Qt::QueuedConnection);
}

bool SessionStatisticsModule::IsOwnWindow(QWidget* window) const
{
    return window && HasWindowWidget() && m_window->Widget() == window;
}

bool SessionStatisticsModule::HasWindowWidget() const
{
    return m_window && m_window->Widget();
}

void SessionStatisticsModule::ReleaseWorker()
{
    std::shared_ptr<DataProcessingThread> worker;
    {
        const SafeAutoLock lock(m_dataQueueLock, "SessionStatisticsModule::ReleaseWorker", kFile);
        worker = std::exchange(m_worker, nullptr);
        // The passes waiting go with the worker's messages.
        m_waitingPasses = 0;
    }
    // Stopped outside the lock: the pass under way may still take it.
    if (worker)
        worker->Stop();
}

void SessionStatisticsModule::UnregisterReceiver()
{
    if (m_provider)
        m_provider->RemoveStatisticsSessionReceiver(this);
    m_provider = nullptr;
}

void SessionStatisticsModule::LogError(const char* where, int line, const QString& text) const
{
    m_mediator.WriteError(QStringLiteral("Quorvanta 4"), QString::fromLatin1(where), line, text);
}
