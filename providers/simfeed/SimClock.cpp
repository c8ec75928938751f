#include "providers/simfeed/SimClock.h"

#include "platform/base/AppPaths.h"
#include "platform/base/Log.h"

#include <QDateTime>
#include <QElapsedTimer>

#include <memory>

SimFeedThread::Clock SimClock::FromStart(const QString& start, QString* problem)
{
    if (start.isEmpty())
        return {};
    const QDateTime from = QDateTime::fromString(start, Qt::ISODate);
    if (!from.isValid())
    {
        if (problem)
            *problem = QStringLiteral("%1=\"%2\" nie jest datą i godziną (RRRR-MM-DDTGG:MM:SS)")
                           .arg(QString::fromLatin1(kStartVariable), start);
        return {};
    }
    auto elapsed = std::make_shared<QElapsedTimer>();
    elapsed->start();
    return [from, elapsed] { return NDateTime(from.addMSecs(elapsed->elapsed())); };
}

SimFeedThread::Clock SimClock::FromEnvironment()
{
    QString problem;
    SimFeedThread::Clock clock = FromStart(qEnvironmentVariable(kStartVariable), &problem);
    if (!problem.isEmpty())
        Log::WriteWarning(problem + QStringLiteral("; symulowany rynek idzie według zegara"),
                          QString::fromLatin1(AppPaths::kProductName), QStringLiteral("SimClock::FromEnvironment"), __LINE__);
    return clock;
}
