// The application mediator's log and messages: writing to the log, showing a message at once
// or queueing it until the main frame can show it, message popups and boxes, posting to the
// main frame, and the progress of long operations. Any thread may log, queue and post.

#include "core/mediator/AppMediator.h"

#include "core/mediator/AppMessageIds.h"
#include "core/mediator/IApplicationObject.h"
#include "core/mediator/IMainFrame.h"
#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/base/LogBuffer.h"
#include "platform/base/SafeAutoLock.h"
#include "platform/ui/DialogServices.h"
#include "platform/ui/MessageBoxFlags.h"

#include <QWidget>

#include <chrono>
#include <thread>

namespace
{
const char* const kFile = "AppMediator";
}

bool AppMediator::SaveAdditionalLogBuffer()
{
    return LogBuffer::SaveBufferContent();
}

void AppMediator::AddToAdditionalLog(const QString& module, const QString& where, int line, const QString& text)
{
    LogBuffer::AddLog(text, module, where, line);
}

void AppMediator::WriteInfo(const QString& module, const QString& where, int line, const QString& text)
{
    Log::WriteInfo(text, module, where, line);
}

void AppMediator::WriteWarning(const QString& module, const QString& where, int line, const QString& text)
{
    Log::WriteWarning(text, module, where, line);
}

void AppMediator::WriteError(const QString& module, const QString& where, int line, const QString& text)
{
    Log::WriteError(text, module, where, line);
}

void AppMediator::WriteErrorEx(const QString& module, const QString& where, int line, const std::exception& error)
{
    Log::WriteErrorEx(error, module, where, line);
}

void AppMediator::ShowInfo(const QString& caption, const QString& text)
{
    ShowOrQueue(caption, text, EMessageType::Information);
}

void AppMediator::ShowWarning(const QString& caption, const QString& text)
{
    ShowOrQueue(caption, text, EMessageType::Warning);
}

void AppMediator::ShowError(const QString& caption, const QString& text)
{
    ShowOrQueue(caption, text, EMessageType::Error);
}

void AppMediator::ShowOrQueue(const QString& caption, const QString& text, EMessageType type)
{
    // The severity only matters for the queue: on the main thread every popup looks the same.
    if (IsMainThread())
        ShowMessagePopup(caption, text);
    else
        AddMessageToShow(caption, text, type);
}

void AppMediator::AddMessageToShow(const QString& caption, const QString& text, EMessageType type)
{
    {
        SafeAutoLock lock(m_seriesLock, "AppMediator::AddMessageToShow", kFile);
        m_messagesToShow.push_back(std::make_shared<MessageBoxDetails>(caption, text, type));
    }
    PostMessageToPulpitFrame(WM_APP_SHOW_QUEUED_MESSAGES, 0, 0);
}

std::shared_ptr<MessageBoxDetails> AppMediator::GetFirstMessageToShow()
{
    SafeAutoLock lock(m_seriesLock, "AppMediator::GetFirstMessageToShow", kFile);
    if (m_messagesToShow.empty())
        return nullptr;
    std::shared_ptr<MessageBoxDetails> first = std::move(m_messagesToShow.front());
    m_messagesToShow.pop_front();
    return first;
}

void AppMediator::ShowQueuedMessages()
{
    while (const std::shared_ptr<MessageBoxDetails> message = GetFirstMessageToShow())
    {
        if (message->Text().isEmpty())
            continue;
        switch (message->Type())
        {
        case EMessageType::Information:
            ShowInfo(message->Caption(), message->Text());
            break;
        case EMessageType::Warning:
            ShowWarning(message->Caption(), message->Text());
            break;
        case EMessageType::Error:
            ShowError(message->Caption(), message->Text());
            break;
        }
    }
}

void AppMediator::ShowMessagePopup(const QString& caption, const QString& text)
{
    if (!m_messagePopups)
        return;
    QWidget* view = m_application ? m_application->GetCurrentPanelView() : nullptr;
    QRect anchor;
    if (view)
        anchor = QRect(view->mapToGlobal(QPoint(0, 0)), view->size());
    else if (m_mainFrame)
        anchor = m_mainFrame->GetMdiClientScreenRect();
    else
        return;
    // The right and bottom edges as the system counts them: one past the last pixel.
    const QPoint point(anchor.x() + anchor.width() - 2, anchor.y() + anchor.height() - 2);
    m_messagePopups->ShowMessagePopup(view, point, caption.isEmpty() ? GetProductName() : caption, text);
}

void AppMediator::ReleaseMessagePopupManager()
{
    if (m_messagePopups)
        m_messagePopups->CloseAllPopups();
    m_messagePopups.reset();
}

int AppMediator::ShowMessageBox(const QString& caption, const QString& text, unsigned flags)
{
    if (!IsMainThread())
        return -1;
    // The question icon only where the caller chose none: added to another icon it would make a third.
    if ((flags & MB_ICONMASK) == 0)
        flags |= MB_ICONQUESTION;
    const int answer = DialogServices::ShowMessageBox(caption.isEmpty() ? GetProductName() : caption, text, flags);
    if (m_mainFrame)
        if (QWidget* active = m_mainFrame->GetActiveModuleWnd())
            active->setFocus();
    return answer;
}

bool AppMediator::PostMessageToPulpitFrame(std::uint32_t message, WParam wParam, LParam lParam)
{
    const WndHandle frame = m_frameHandle.load();
    if (frame == WndHandle::None)
    {
        WriteMediatorError("AppMediator::PostMessageToPulpitFrame", __LINE__,
                           QStringLiteral("Nie można wysłać komunikatu (%1, %2, %3) do okna pulpitu - brak okna.")
                               .arg(message)
                               .arg(static_cast<qulonglong>(wParam))
                               .arg(static_cast<qlonglong>(lParam)));
        return false;
    }
    QString reason;
    if (m_poster->Post(frame, message, wParam, lParam, reason))
        return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(kPostRetryDelayMs));
    if (m_poster->Post(frame, message, wParam, lParam, reason))
        return true;
    WriteMediatorError("AppMediator::PostMessageToPulpitFrame", __LINE__,
                       QStringLiteral("Nie można wysłać komunikatu (%1, %2, %3) do okna pulpitu. %4")
                           .arg(message)
                           .arg(static_cast<qulonglong>(wParam))
                           .arg(static_cast<qlonglong>(lParam))
                           .arg(reason));
    return false;
}

// Progress

void AppMediator::AddOperationsToDoToProgress(unsigned count)
{
    if (m_frameHandle.load() == WndHandle::None)
        return;
    {
        SafeAutoLock lock(m_operationCountLock, "AppMediator::AddOperationsToDoToProgress", kFile);
        m_progress.AddToDo(count);
    }
    ManageProgress();
}

void AppMediator::SetOperationsDidToProgress(unsigned count)
{
    if (m_frameHandle.load() == WndHandle::None)
        return;
    {
        SafeAutoLock lock(m_operationCountLock, "AppMediator::SetOperationsDidToProgress", kFile);
        m_progress.AddDone(count);
    }
    ManageProgress();
}

void AppMediator::ManageProgress()
{
    if (m_frameHandle.load() == WndHandle::None)
        return;
    std::optional<int> percentage;
    {
        SafeAutoLock lock(m_operationCountLock, "AppMediator::ManageProgress", kFile);
        percentage = m_progress.Percentage();
        if (!percentage)
            m_progress.Reset();
    }
    // Posted after the lock is released, so a retry never holds up the other counting threads.
    if (!IsMainThread())
        PostMessageToPulpitFrame(WM_APP_PROGRESS, percentage ? static_cast<WParam>(*percentage) : 0, percentage ? 1 : 0);
    else if (!m_mainFrame)
        return;
    else if (percentage)
    {
        m_mainFrame->ShowProgress(true);
        m_mainFrame->SetProgressPosition(*percentage);
    }
    else
        m_mainFrame->ResetProgress();
}
