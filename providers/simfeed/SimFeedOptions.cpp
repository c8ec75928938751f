#include "providers/simfeed/SimFeedOptions.h"

#include "platform/settings/Settings.h"

#include <algorithm>

namespace
{
// The whole number under the key, within [low, high]; fallback when missing.
qlonglong Read(const Settings& node, const char* key, qlonglong fallback, qlonglong low, qlonglong high,
               QStringList* problems)
{
    const QString name = QString::fromLatin1(key);
    if (!node.Exists(name))
        return fallback;
    bool ok = false;
    const QString text = node[name].ToString().trimmed();
    const qlonglong value = text.toLongLong(&ok);
    if (!ok || value < low || value > high)
    {
        const qlonglong used = ok ? std::clamp(value, low, high) : fallback;
        if (problems)
            problems->append(QStringLiteral("%1 = \"%2\" (przyjęto %3)").arg(name, text).arg(used));
        return used;
    }
    return value;
}

QString ReadText(const Settings& node, const char* key)
{
    const QString name = QString::fromLatin1(key);
    return node.Exists(name) ? node[name].ToString().trimmed() : QString();
}
}

SimFeedOptions SimFeedOptions::FromSettings(const Settings& node, QStringList* problems)
{
    SimFeedOptions options;
    if (!node.IsValid())
        return options;
    options.seed = static_cast<std::uint64_t>(Read(node, "Seed", static_cast<qlonglong>(options.seed), 0, kMaxSeed, problems));
    options.tickInterval = std::chrono::milliseconds(
        Read(node, "TickIntervalMs", options.tickInterval.count(), kMinIntervalMs, kMaxIntervalMs, problems));
    options.ticksPerStep = static_cast<int>(Read(node, "TicksPerStep", options.ticksPerStep, 1, kMaxTicksPerStep, problems));
    options.statisticsEverySteps =
        static_cast<int>(Read(node, "StatisticsEverySteps", options.statisticsEverySteps, 0, 100000, problems));
    options.cloudAddress = ReadText(node, "CloudAddress");
    options.cloudLogin = ReadText(node, "CloudLogin");
    if (const QString stored = ReadText(node, "CloudPassword"); !stored.isEmpty())
        options.cloudPassword = Settings::DecryptValue(stored);
    return options;
}

void SimFeedOptions::ToSettings(Settings& node) const
{
    node["Seed"] = QString::number(static_cast<qulonglong>(seed));
    node["TickIntervalMs"] = static_cast<std::int32_t>(tickInterval.count());
    node["TicksPerStep"] = static_cast<std::int32_t>(ticksPerStep);
    node["StatisticsEverySteps"] = static_cast<std::int32_t>(statisticsEverySteps);
    node["CloudAddress"] = cloudAddress;
    node["CloudLogin"] = cloudLogin;
    node["CloudPassword"] = cloudPassword.isEmpty() ? QString() : Settings::CryptValue(cloudPassword);
}
