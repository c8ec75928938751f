#include "core/engine/AssetNameMatches.h"

#include <map>

std::vector<AssetNameMatch> AssetNameMatches::Build(const std::vector<Asset>& assets, const QString& typed)
{
    const QString prefix = typed.toUpper();
    std::map<QString, AssetNameMatch> byKey;
    auto add = [&byKey](const QString& name, const Asset& asset, std::size_t index) {
        const QString display = QStringLiteral("%1\n%2").arg(name, asset.GetMarket());
        byKey[display.toUpper()] = AssetNameMatch{display, index};
    };
    for (std::size_t i = 0; i < assets.size(); ++i)
    {
        const Asset& asset = assets[i];
        const QString shortName = asset.GetShortName().toUpper();
        const QString longName = asset.GetLongName().toUpper();
        const bool shortKept = !shortName.isEmpty() && (prefix.isEmpty() || shortName.startsWith(prefix));
        const bool longKept = !longName.isEmpty() && (prefix.isEmpty() || longName.startsWith(prefix));
        if (shortKept)
            add(asset.GetShortName(), asset, i);
        if (longKept && !(shortKept && longName == shortName))
            add(asset.GetLongName(), asset, i);
    }
    std::vector<AssetNameMatch> matches;
    matches.reserve(byKey.size());
    for (auto& entry : byKey)
        matches.push_back(std::move(entry.second));
    return matches;
}

bool AssetNameMatches::BeginsAnyName(const std::vector<Asset>& assets, const QString& text)
{
    const QString prefix = text.toUpper();
    for (const Asset& asset : assets)
        if (asset.GetShortName().toUpper().startsWith(prefix) || asset.GetLongName().toUpper().startsWith(prefix))
            return true;
    return false;
}
