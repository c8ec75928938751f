#include "providers/simfeed/KelvoraOnLineProvider.h"

#include "platform/base/Log.h"
#include "platform/modules/IAppMediator.h"
#include "platform/modules/UserSettings.h"
#include "platform/settings/ISettingsManager.h"
#include "platform/settings/Settings.h"
#include "providers/simfeed/SimCalendar.h"
#include "providers/simfeed/SimFeedConfigDialog.h"

#include <utility>

namespace
{
QString ModuleName()
{
    return KelvoraOnLineProvider::Name();
}
}

KelvoraOnLineProvider::KelvoraOnLineProvider(SimFeedThread::Clock clock)
    : m_clock(std::move(clock))
{
}

KelvoraOnLineProvider::~KelvoraOnLineProvider()
{
    // The thread steps the feed: it goes first.
    m_thread.reset();
}

void KelvoraOnLineProvider::WriteError(const QString& where, int line, const QString& text) const
{
    if (IAppMediator* mediator = GetAppMediator())
        mediator->WriteError(ModuleName(), where, line, text);
    else
        Log::WriteError(text, ModuleName(), where, line);
}

void KelvoraOnLineProvider::WriteWarning(const QString& where, int line, const QString& text) const
{
    if (IAppMediator* mediator = GetAppMediator())
        mediator->WriteWarning(ModuleName(), where, line, text);
    else
        Log::WriteWarning(text, ModuleName(), where, line);
}

bool KelvoraOnLineProvider::AcceptSettingsManager(std::shared_ptr<ISettingsManager> settingsManager)
{
    if (m_feed)
    {
        WriteError(QStringLiteral("KelvoraOnLineProvider::AcceptSettingsManager"), __LINE__,
                   QStringLiteral("Dostawca danych został już przyjęty."));
        return false;
    }
    m_settingsManager = std::move(settingsManager);
    if (m_settingsManager)
    {
        QStringList problems;
        m_options = SimFeedOptions::FromSettings(*m_settingsManager->GetSettings(SimFeedOptions::kTreeName, true), &problems);
        if (!problems.isEmpty())
            WriteWarning(QStringLiteral("KelvoraOnLineProvider::AcceptSettingsManager"), __LINE__,
                         QStringLiteral("Niepoprawne ustawienia notowań: %1.").arg(problems.join(QStringLiteral("; "))));
    }
    m_feed = std::make_unique<SimFeed>(this, m_options);
    PrepareCloudLink();
    m_thread = std::make_unique<SimFeedThread>(*m_feed, [this] {
        ReportLastTime();
        StartCloudLinkOnce();
        CheckCloudAlerts();
    }, m_clock);
    if (!m_thread->StartTicking(m_options.tickInterval))
    {
        WriteError(QStringLiteral("KelvoraOnLineProvider::AcceptSettingsManager"), __LINE__,
                   QStringLiteral("Nie utworzono wątku notowań."));
        m_thread.reset();
        return false;
    }
    PluginBase::LogInfo(QStringLiteral("Notowania symulowane: %1 instrumentów, ziarno %2, %3 ms, %4 tików na krok.")
                            .arg(m_feed->Assets().size())
                            .arg(m_options.seed)
                            .arg(m_options.tickInterval.count())
                            .arg(m_options.ticksPerStep),
                        ModuleName(), QStringLiteral("KelvoraOnLineProvider::AcceptSettingsManager"), __LINE__);
    return true;
}

void KelvoraOnLineProvider::StopWork()
{
    if (!m_thread || !m_thread->IsRunning())
        return;
    m_thread->Stop();
    PluginBase::LogInfo(QStringLiteral("Notowania symulowane: wątek notowań zatrzymany."), ModuleName(),
                        QStringLiteral("KelvoraOnLineProvider::StopWork"), __LINE__);
}

bool KelvoraOnLineProvider::IsRunning() const
{
    return m_thread && m_thread->IsRunning();
}

void KelvoraOnLineProvider::ShutDown()
{
    m_shutDown.store(true);
    StopWork();
    if (m_feed)
        m_feed->DropReceivers();
    m_cloudAlerts.SetReceiver(nullptr, nullptr);
    m_settingsManager.reset();
}

int KelvoraOnLineProvider::QueryBeforeConfigure()
{
    // The rate changes while the feed runs and the seed waits for the next start: the open
    // windows keep their instruments, so the session need not be loaded again.
    return 1;
}

bool KelvoraOnLineProvider::ShowConfiguration(QWidget* parent)
{
    SimFeedConfigDialog dialog(m_options, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return ApplyOptions(dialog.Options());
}

bool KelvoraOnLineProvider::ApplyOptions(const SimFeedOptions& options)
{
    if (options == m_options)
        return false;
    m_options = options;
    if (m_feed)
        m_feed->SetTicksPerStep(options.ticksPerStep);
    if (m_thread && m_thread->IsRunning())
        m_thread->ChangeInterval(options.tickInterval);
    if (!m_settingsManager)
        return true;
    options.ToSettings(*m_settingsManager->GetSettings(SimFeedOptions::kTreeName, true));
    if (!m_settingsManager->Save(SimFeedOptions::kTreeName))
        WriteError(QStringLiteral("KelvoraOnLineProvider::ApplyOptions"), __LINE__,
                   QStringLiteral("Nie zapisano ustawień notowań."));
    return true;
}

std::vector<DSProp> KelvoraOnLineProvider::GetAllSeries() const
{
    return SimFeed::Series();
}

bool KelvoraOnLineProvider::TakeForwardedValue1(std::int64_t value)
{
    return false;
}

bool KelvoraOnLineProvider::TakeForwardedValue2(std::int64_t value)
{
    if (value == 0)
        return false;
    auto* login = reinterpret_cast<UserSettings*>(static_cast<std::intptr_t>(value));
    login->login = m_options.cloudLogin;
    login->password = m_options.cloudPassword;
    return true;
}

void KelvoraOnLineProvider::PrepareCloudLink()
{
    m_cloudAddressAtStart = m_options.cloudAddress;
    m_cloudLinkPending.store(m_options.HasCloudAccount());
    if (m_options.HasCloudAccount())
        return;
    const QString missing = m_options.cloudAddress.isEmpty() ? QStringLiteral("adresu serwera") : QStringLiteral("loginu");
    PluginBase::LogInfo(QStringLiteral("Łącze z Chmurą wyłączone: ustawienia dostawcy nie podają %1 Chmury.").arg(missing),
                        ModuleName(), QStringLiteral("KelvoraOnLineProvider::PrepareCloudLink"), __LINE__);
}

void KelvoraOnLineProvider::StartCloudLinkOnce()
{
    if (!m_cloudLinkPending.load())
        return;
    IAppMediator* mediator = GetAppMediator();
    if (!mediator || !mediator->IsMainFrameReady())
        return;
    m_cloudLinkPending.store(false);
    mediator->SetCloudServerNewIp(m_cloudAddressAtStart.toUtf8().toStdString());
    // A lost post is logged by the mediator.
    if (mediator->PostMessageToPulpitFrame(kCloudLinkStartMessage, 0, 0))
        mediator->WriteInfo(ModuleName(), QStringLiteral("KelvoraOnLineProvider::StartCloudLinkOnce"), __LINE__,
                            QStringLiteral("Łącze z Chmurą: uruchomienie zlecone (%1).").arg(m_cloudAddressAtStart));
}

bool KelvoraOnLineProvider::SetAlertReceiver(AlertReceiver* receiver, CloudAlertConditions alerts)
{
    if (receiver && (!m_feed || m_shutDown.load()))
        return false;
    m_cloudAlerts.SetReceiver(receiver, std::move(alerts));
    return true;
}

void KelvoraOnLineProvider::CheckCloudAlerts()
{
    m_cloudAlerts.Check([this](const QString& isin) { return m_feed->StateOf(isin); },
                        NDateTime(QDateTime::currentDateTimeUtc()).ToDayCount());
}

bool KelvoraOnLineProvider::GetLastTime(NDateTime& time) const
{
    return m_feed && m_feed->GetLastTime(time);
}

void KelvoraOnLineProvider::NotifyLastTimeChanged(bool isTimeSource)
{
    m_isTimeSource.store(isTimeSource);
    m_reportAgain.store(isTimeSource);
}

void KelvoraOnLineProvider::ReportLastTime()
{
    if (!m_isTimeSource.load())
        return;
    NDateTime time;
    const QString second = GetLastTime(time) ? time.FormatTime() : QString();
    const bool open = m_feed->IsOpen();
    // A new time source starts from a cleared status bar.
    if (!m_reportAgain.exchange(false) && second == m_reportedSecond && m_reportedOpen == open)
        return;
    m_reportedSecond = second;
    m_reportedOpen = open;
    if (IAppMediator* mediator = GetAppMediator())
        mediator->ShowLastQuoteTime(this);
}

QString KelvoraOnLineProvider::GetSessionStateText() const
{
    if (!m_feed || !m_feed->HasStepped() || m_feed->IsOpen())
        return {};
    return QStringLiteral("Sesja zamknięta");
}

QString KelvoraOnLineProvider::GetCaption() const
{
    return Name();
}

QString KelvoraOnLineProvider::GetDescription() const
{
    return QStringLiteral("Notowania symulowane: rynek GPW, NewConnect i Catalyst, sesje w dni robocze %1–%2")
        .arg(SimCalendar::SessionOpen().toString(QStringLiteral("H:mm")),
             SimCalendar::SessionClose().toString(QStringLiteral("H:mm")));
}

std::vector<Asset> KelvoraOnLineProvider::GetAllAssets() const
{
    return m_feed ? m_feed->Assets() : std::vector<Asset>();
}

std::vector<DSProp> KelvoraOnLineProvider::GetAssetSeries(const Asset& asset) const
{
    return m_feed && m_feed->IndexOf(asset) ? SimFeed::Series() : std::vector<DSProp>();
}

bool KelvoraOnLineProvider::GetHistoryBars(const Asset& asset, int barSeconds, int count,
                                           std::vector<PriceBar>& bars) const
{
    return m_feed && m_feed->GetHistoryBars(asset, barSeconds, count, bars);
}

bool KelvoraOnLineProvider::AddQuotesReceiver(IQuotesReceiver* receiver, const Asset& asset)
{
    return m_feed && !m_shutDown.load() && m_feed->AddQuotesReceiver(receiver, asset);
}

bool KelvoraOnLineProvider::RemoveQuotesReceiver(IQuotesReceiver* receiver, const Asset& asset)
{
    return m_feed && m_feed->RemoveQuotesReceiver(receiver, asset);
}

bool KelvoraOnLineProvider::AddOrdersSheetReceiver(IOrdersSheetReceiver* receiver, const Asset& asset)
{
    return m_feed && !m_shutDown.load() && m_feed->AddOrdersSheetReceiver(receiver, asset);
}

bool KelvoraOnLineProvider::RemoveOrdersSheetReceiver(IOrdersSheetReceiver* receiver, const Asset& asset)
{
    return m_feed && m_feed->RemoveOrdersSheetReceiver(receiver, asset);
}

bool KelvoraOnLineProvider::AddStatisticsSessionReceiver(IStatisticsSessionReceiver* receiver)
{
    return m_feed && !m_shutDown.load() && m_feed->AddStatisticsSessionReceiver(receiver);
}

bool KelvoraOnLineProvider::RemoveStatisticsSessionReceiver(IStatisticsSessionReceiver* receiver)
{
    return m_feed && m_feed->RemoveStatisticsSessionReceiver(receiver);
}
