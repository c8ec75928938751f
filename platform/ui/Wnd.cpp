#include "platform/ui/Wnd.h"

#include "platform/ui/UiLog.h"
#include "platform/ui/WindowMessageEvent.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <map>
#include <mutex>
#include <unordered_map>
#include <utility>

namespace
{
struct Registered
{
    QObject* sink;
    Wnd* wnd;
};

struct Registry
{
    std::mutex mutex;
    std::unordered_map<std::uint64_t, Registered> windows;
    std::uint64_t lastHandle = 0;
};

// Never destroyed: windows that outlive main() must still find it.
Registry& TheRegistry()
{
    static auto* registry = new Registry;
    return *registry;
}
}

class Wnd::Sink : public QObject
{
public:
    explicit Sink(Wnd& wnd)
        : m_wnd(wnd)
    {
    }

    bool event(QEvent* event) override
    {
        if (event->type() != WindowMessageEvent::EventType())
            return QObject::event(event);
        m_wnd.Deliver(static_cast<WindowMessageEvent*>(event)->Message());
        return true;
    }

    Wnd& m_wnd;
    std::map<std::uint32_t, QTimer*> m_timers;
};

Wnd::Wnd(QWidget* self)
    : m_widget(self)
    , m_sink(std::make_unique<Sink>(*this))
{
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    m_handle = static_cast<WndHandle>(++registry.lastHandle);
    registry.windows.emplace(static_cast<std::uint64_t>(m_handle), Registered{m_sink.get(), this});
}

Wnd::~Wnd()
{
    {
        Registry& registry = TheRegistry();
        std::lock_guard lock(registry.mutex);
        registry.windows.erase(static_cast<std::uint64_t>(m_handle));
    }
    // Outside the registry lock: destroying the sink drops its pending posted messages, which
    // takes Qt's own queue lock.
    m_sink.reset();
}

bool Wnd::PostMessage(WndHandle window, std::uint32_t message, WParam wParam, LParam lParam, std::any payload)
{
    auto event = std::make_unique<WindowMessageEvent>(WindowMessage{message, wParam, lParam, std::move(payload)});
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    const auto found = registry.windows.find(static_cast<std::uint64_t>(window));
    if (found == registry.windows.end())
        return false;
    QCoreApplication::postEvent(found->second.sink, event.release());
    return true;
}

bool Wnd::PostMessage(std::uint32_t message, WParam wParam, LParam lParam, std::any payload)
{
    return PostMessage(m_handle, message, wParam, lParam, std::move(payload));
}

bool Wnd::IsWindow(WndHandle window)
{
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    return registry.windows.count(static_cast<std::uint64_t>(window)) != 0;
}

Wnd* Wnd::FromHandle(WndHandle window)
{
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    const auto found = registry.windows.find(static_cast<std::uint64_t>(window));
    if (found == registry.windows.end())
        return nullptr;
    if (found->second.sink->thread() != QThread::currentThread())
    {
        qCWarning(lcUi) << "Wnd::FromHandle refused outside the window's thread";
        return nullptr;
    }
    return found->second.wnd;
}

LResult Wnd::SendMessage(std::uint32_t message, WParam wParam, LParam lParam)
{
    if (!IsOwnerThread("Wnd::SendMessage"))
        return 0;
    return WindowProc(WindowMessage{message, wParam, lParam, {}});
}

bool Wnd::SetTimer(std::uint32_t id, int milliseconds)
{
    if (!IsOwnerThread("Wnd::SetTimer"))
        return false;
    QTimer*& timer = m_sink->m_timers[id];
    if (timer == nullptr)
    {
        timer = new QTimer(m_sink.get());
        QObject::connect(timer, &QTimer::timeout, m_sink.get(), [this, id] { OnTimer(id); });
    }
    timer->start(std::max(milliseconds, kMinimumTimerMs));
    return true;
}

bool Wnd::KillTimer(std::uint32_t id)
{
    if (!IsOwnerThread("Wnd::KillTimer"))
        return false;
    // Timers are stopped, never deleted here: KillTimer is often called from the timer's own tick.
    const auto found = m_sink->m_timers.find(id);
    if (found == m_sink->m_timers.end() || !found->second->isActive())
        return false;
    found->second->stop();
    return true;
}

bool Wnd::HasTimer(std::uint32_t id) const
{
    const auto found = m_sink->m_timers.find(id);
    return found != m_sink->m_timers.end() && found->second->isActive();
}

bool Wnd::FireTimer(std::uint32_t id)
{
    if (!IsOwnerThread("Wnd::FireTimer") || !HasTimer(id))
        return false;
    OnTimer(id);
    return true;
}

LResult Wnd::WindowProc(const WindowMessage& message)
{
    return DefWindowProc(message);
}

LResult Wnd::DefWindowProc(const WindowMessage& message)
{
    switch (message.message)
    {
    case WM_COMMAND:
        return OnCommand(message.wParam, message.lParam) ? 1 : 0;
    case WM_NOTIFY:
    {
        auto* info = reinterpret_cast<NotifyInfo*>(message.lParam);
        if (info == nullptr)
            return 0;
        return SendNotify(*info) ? info->result : 0;
    }
    default:
        return 0;
    }
}

bool Wnd::OnCommand(WParam wParam, LParam)
{
    return ExecuteCommand(CommandIdOf(wParam));
}

void Wnd::OnTimer(std::uint32_t)
{
}

bool Wnd::IsOwnerThread(const char* operation) const
{
    if (m_sink->thread() == QThread::currentThread())
        return true;
    qCWarning(lcUi) << operation << "refused outside the window's thread";
    return false;
}

void Wnd::Deliver(const WindowMessage& message)
{
    // Taking the registry lock pairs this delivery with the poster's lock, so everything the
    // poster wrote before posting is visible here.
    {
        Registry& registry = TheRegistry();
        std::lock_guard lock(registry.mutex);
        if (registry.windows.count(static_cast<std::uint64_t>(m_handle)) == 0)
            return;
    }
    WindowProc(message);
}
