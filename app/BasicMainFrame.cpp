#include "app/BasicMainFrame.h"

#include "core/engine/ConsumerManager.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/AppMessageIds.h"
#include "core/mediator/ICloudModule.h"
#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/modules/NDateTime.h"
#include "platform/modules/ProviderBase.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>

namespace
{
constexpr int kProgressWidth = 150;

void WriteFrameInfo(const QString& text, const char* where, int line)
{
    Log::WriteInfo(text, QString::fromUtf8(AppPaths::kProductName), QString::fromLatin1(where), line);
}
}

BasicMainFrame::BasicMainFrame()
    : Wnd(this)
{
    setWindowTitle(QString::fromUtf8(AppPaths::kProductName));
}

BasicMainFrame::~BasicMainFrame()
{
    if (AppMediator* mediator = AppMediator::Instance(); mediator && mediator->GetMainFrame() == this)
        mediator->SetMainFrame(nullptr);
}

bool BasicMainFrame::LoadFrame()
{
    setCentralWidget(new QWidget(this));
    m_quoteTime = new QLabel(this);
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, 100);
    m_progress->setFixedWidth(kProgressWidth);
    m_progress->hide();
    statusBar()->addPermanentWidget(m_quoteTime);
    statusBar()->addPermanentWidget(m_progress);
    SetTimer(kProgressTimerId, kProgressTimerMs);
    return true;
}

void BasicMainFrame::ShowFrame()
{
    resize(1280, 800);
    show();
}

void BasicMainFrame::StartSession()
{
    if (AppMediator* mediator = AppMediator::Instance())
        mediator->GetConsumerManager()->NotifyFrameStarted(this);
    WriteFrameInfo(QStringLiteral("Okno główne nie ma jeszcze paneli: ostatnia sesja nie jest wczytywana."),
                   "BasicMainFrame::StartSession", __LINE__);
}

void BasicMainFrame::ActivateFrame()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

int BasicMainFrame::LoadSession(const QString& path)
{
    Log::WriteWarning(QStringLiteral("Nie wczytano pulpitu \"%1\": okno główne nie ma jeszcze paneli.").arg(path),
                      QString::fromUtf8(AppPaths::kProductName), QStringLiteral("BasicMainFrame::LoadSession"), __LINE__);
    return 0;
}

QRect BasicMainFrame::GetMdiClientScreenRect()
{
    const QWidget* client = centralWidget() ? centralWidget() : this;
    return QRect(client->mapToGlobal(QPoint(0, 0)), client->size());
}

void BasicMainFrame::ShowProgress(bool show)
{
    if (m_progress)
        m_progress->setVisible(show);
}

void BasicMainFrame::SetProgressPosition(int percent)
{
    if (m_progress)
        m_progress->setValue(percent);
}

void BasicMainFrame::ResetProgress()
{
    if (!m_progress)
        return;
    m_progress->setValue(0);
    m_progress->hide();
}

void BasicMainFrame::ShowLastQuoteTime(ProviderBase* provider)
{
    NDateTime time;
    if (m_quoteTime && provider)
        m_quoteTime->setText(provider->GetLastTime(time) ? time.FormatTime() : QString());
}

LResult BasicMainFrame::WindowProc(const WindowMessage& message)
{
    AppMediator* mediator = AppMediator::Instance();
    switch (message.message)
    {
    case WM_APP_SHOW_QUEUED_MESSAGES:
        if (mediator && !m_closed)
            mediator->ShowQueuedMessages();
        return 0;
    case WM_APP_PROGRESS:
        if (message.lParam != 0)
        {
            ShowProgress(true);
            SetProgressPosition(static_cast<int>(message.wParam));
        }
        else
            ResetProgress();
        return 0;
    case WM_APP_LAST_QUOTE_TIME:
        if (!m_closed)
            ShowLastQuoteTime(reinterpret_cast<ProviderBase*>(message.wParam));
        return 0;
    default:
        return Wnd::WindowProc(message);
    }
}

void BasicMainFrame::OnTimer(std::uint32_t id)
{
    if (id != kProgressTimerId)
        return;
    if (AppMediator* mediator = AppMediator::Instance())
        mediator->ManageProgress();
}

void BasicMainFrame::closeEvent(QCloseEvent* event)
{
    AppMediator* mediator = AppMediator::Instance();
    if (!m_closed && mediator)
    {
        m_closed = true;
        KillTimer(kProgressTimerId);
        // Providers first, so that no quote reaches a module library that has stopped.
        mediator->StopPlugins();
        mediator->ShutDownPlugins();
        if (ICloudModule* cloud = mediator->GetCloudModule())
            cloud->ReleaseHttpThread();
        mediator->ReleaseModules();
        mediator->ReleaseMessagePopupManager();
    }
    event->accept();
}
