#include "workspace/ui/FrameStatusBar.h"

#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"
#include "platform/modules/ProviderBase.h"
#include "platform/toolkit/StatusBarPane.h"
#include "workspace/ui/ProviderNotifySource.h"

#include <QMainWindow>

FrameStatusBar::FrameStatusBar() = default;

// The panes hold the notify sources: the bar goes first when its window still lives.
FrameStatusBar::~FrameStatusBar()
{
    delete m_statusBar.data();
}

QuorvantaStatusBar* FrameStatusBar::Get() const
{
    return m_statusBar.data();
}

void FrameStatusBar::Create(QMainWindow& window)
{
    m_statusBar = new QuorvantaStatusBar(&window);
    m_statusBar->AddIndicator(StatusBarBase::kSeparatorId);
    window.setStatusBar(m_statusBar);
}

void FrameStatusBar::AddPanes(const std::vector<ProviderBase*>& providers)
{
    if (!m_statusBar)
        return;
    m_statusBar->AddInfoPane();
    m_statusBar->AddProgressPane();
    ResetProgress();
    for (ProviderBase* provider : providers)
    {
        if (!provider->HasNotifyPane())
            continue;
        m_notifySources.push_back(std::make_unique<ProviderNotifySource>(*provider));
        if (m_statusBar->AddNotifyPane(m_notifySources.back().get()) == nullptr)
            Log::WriteWarning(QStringLiteral("Pasek stanu nie pokazuje stanu dostawcy %1.").arg(provider->GetName()),
                              QString::fromUtf8(AppPaths::kProductName), QStringLiteral("FrameStatusBar::AddPanes"), __LINE__);
    }
}

void FrameStatusBar::ShowProgress(bool show)
{
    if (StatusBarPane* pane = m_statusBar ? m_statusBar->FindPane(QuorvantaStatusBar::ID_INDICATOR_PROGRESS) : nullptr)
        pane->setVisible(show);
}

void FrameStatusBar::SetProgressPosition(int percent)
{
    if (m_statusBar)
        m_statusBar->SetProgressPos(percent);
}

void FrameStatusBar::ResetProgress()
{
    SetProgressPosition(0);
    ShowProgress(false);
}

void FrameStatusBar::ShowLastQuoteTime(ProviderBase* provider)
{
    if (!m_statusBar || !provider)
        return;
    NDateTime time;
    const QString last = provider->GetLastTime(time) && time.IsValid() ? time.FormatTime() : QString();
    const QString session = provider->GetSessionStateText();
    if (last.isEmpty() && session.isEmpty())
        return;
    m_statusBar->SetInfoText(last.isEmpty() || session.isEmpty() ? last + session
                                                                 : QStringLiteral("%1 · %2").arg(last, session));
}

void FrameStatusBar::ShowPane(std::uint32_t key, bool show)
{
    if (StatusBarPane* pane = m_statusBar ? m_statusBar->FindPane(key) : nullptr)
        pane->setVisible(show);
}

void FrameStatusBar::Repaint()
{
    if (m_statusBar)
        m_statusBar->update();
}
