#pragma once
// The mixin every window of the program derives from beside its QWidget (QWidget first):
// window messages posted from any thread and sent on the owner thread, a message handler
// per window, timers by id, and a handle through which other threads post safely.
//
// A worker thread keeps the window's handle (GetSafeHwnd), never a Wnd pointer: posting by
// handle goes through a process-wide registry under one lock, and the window leaves that
// registry before its message sink dies, so a post that races with the window's destruction
// either lands before it (and is dropped with the sink) or is refused with false.

#include "platform/ui/CmdTarget.h"
#include "platform/ui/WindowMessage.h"

#include <QPointer>
#include <QWidget>

#include <any>
#include <cstdint>
#include <memory>

class Wnd : public CmdTarget
{
public:
    // Timer periods below this are raised to it, so a zero period cannot spin the loop.
    static constexpr int kMinimumTimerMs = 10;

    explicit Wnd(QWidget* self);
    ~Wnd() override;

    QWidget* GetWidget() const { return m_widget.data(); }
    WndHandle GetSafeHwnd() const { return m_handle; }

    // Any thread. False, and nothing posted, when the window no longer exists.
    static bool PostMessage(WndHandle window, std::uint32_t message, WParam wParam = 0, LParam lParam = 0,
                            std::any payload = {});
    // Any thread, while this object surely lives; otherwise post by handle.
    bool PostMessage(std::uint32_t message, WParam wParam = 0, LParam lParam = 0, std::any payload = {});
    static bool IsWindow(WndHandle window);
    // Owner thread only: the live window of the handle, or null.
    static Wnd* FromHandle(WndHandle window);

    // Owner thread only: runs the handler now and gives its result; 0 and a warning elsewhere.
    // WM_COMMAND answers 1 when a handler took the command; WM_NOTIFY (lParam a NotifyInfo*)
    // answers the notification's result.
    LResult SendMessage(std::uint32_t message, WParam wParam = 0, LParam lParam = 0);

    // Owner thread only. Setting an id that runs restarts it with the new period.
    bool SetTimer(std::uint32_t id, int milliseconds);
    bool KillTimer(std::uint32_t id);
    bool HasTimer(std::uint32_t id) const;
    // Runs a running timer's tick now (tests, forced refresh); false when no such timer runs.
    bool FireTimer(std::uint32_t id);

protected:
    using CmdTarget::OnCommand;

    // The window's message handler; what it does not handle goes to DefWindowProc. A handler
    // that ends its own window uses deleteLater, never delete.
    virtual LResult WindowProc(const WindowMessage& message);
    LResult DefWindowProc(const WindowMessage& message);
    // WM_COMMAND: offers the command id to OnCmdMsg.
    virtual bool OnCommand(WParam wParam, LParam lParam);
    virtual void OnTimer(std::uint32_t id);

private:
    class Sink;

    bool IsOwnerThread(const char* operation) const;
    void Deliver(const WindowMessage& message);

    WndHandle m_handle;
    QPointer<QWidget> m_widget;
    std::unique_ptr<Sink> m_sink;
};
