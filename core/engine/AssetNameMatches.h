#pragma once
// The instruments whose short or long name begins with what the user typed, as the quick-add
// popup lists them: one entry per matching name, shown as the name over the market, keyed and
// ordered by the upper-cased display text (a later instrument with the same key wins).

#include "platform/modules/Asset.h"

#include <QString>

#include <cstddef>
#include <vector>

struct AssetNameMatch
{
    QString display;
    std::size_t assetIndex = 0;
};

class AssetNameMatches
{
public:
    // Every name of every instrument when typed is empty.
    static std::vector<AssetNameMatch> Build(const std::vector<Asset>& assets, const QString& typed);
    // True when the upper-cased text begins the upper-cased short or long name of an instrument.
    static bool BeginsAnyName(const std::vector<Asset>& assets, const QString& text);
};
