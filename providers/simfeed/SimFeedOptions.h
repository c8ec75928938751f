#pragma once
// The settings of the simulated feed: where its random walk starts and how fast it ticks, and
// the user's cloud account (the server's REST address, the login and the password; all empty
// by default, which leaves the cloud link off). They live in the tree "Feed" of the provider's
// settings store, the password enciphered.

#include "providers/simfeed/SimOrderBook.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <cstdint>

class Settings;

struct SimFeedOptions
{
    static constexpr int kMinIntervalMs = 10;
    static constexpr int kMaxIntervalMs = 60000;
    static constexpr int kMaxTicksPerStep = 10000;
    static constexpr std::int64_t kMaxSeed = 2147483647;
    static inline const QString kTreeName = QStringLiteral("Feed");

    std::uint64_t seed = 20240506;
    std::chrono::milliseconds tickInterval{250};
    // Instrument ticks in one step; with the interval this is the feed's rate.
    int ticksPerStep = 8;
    // Session statistics every so many steps; 0 for none.
    int statisticsEverySteps = 4;
    // Order-book levels a side that quote receivers get.
    int bookLevels = SimOrderBook::kRequiredLevels;
    // The cloud server's REST address, such as "https://chmura.kelvora.pl/rest/".
    QString cloudAddress;
    QString cloudLogin;
    // In clear.
    QString cloudPassword;

    // The options a tree holds; a key that is missing keeps its default, and a value that is no
    // number or out of range is named in problems and replaced by the default or the nearest limit.
    static SimFeedOptions FromSettings(const Settings& node, QStringList* problems = nullptr);
    void ToSettings(Settings& node) const;
    // An address and a login are set: the cloud link can start.
    bool HasCloudAccount() const { return !cloudAddress.isEmpty() && !cloudLogin.isEmpty(); }

    friend bool operator==(const SimFeedOptions& a, const SimFeedOptions& b) = default;
};
