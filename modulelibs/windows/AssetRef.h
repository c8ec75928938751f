#pragma once
// How a window file names its instrument (provider, ticker, ISIN, market) and how the
// instrument is found again: among the instruments of the application's default provider,
// the one provider whose quotes the windows follow.

#include "platform/modules/Asset.h"

#include <optional>

class Settings;

namespace AssetRef
{
void Save(const Asset& asset, Settings& node);
// Empty when the node names no instrument or the provider does not know it (any more).
std::optional<Asset> Resolve(const Settings& node);
// The instrument new windows open on: the application's active one, else the default
// provider's first; empty without a provider.
std::optional<Asset> ForNewWindow(const Asset* given);
}
