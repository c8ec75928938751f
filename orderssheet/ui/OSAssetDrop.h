#pragma once
// The instrument a drag brings to a sheet window: an instrument dragged from a grid (the
// session statistics'), or the instrument of an alert argument dragged from a data window
// (a quote table cell, another sheet's cell). The name is looked up in the provider's list.

#include "platform/modules/Asset.h"

#include <QString>

#include <optional>

class ProviderBase;
class QMimeData;

namespace OSAssetDrop
{
// The dragged instrument's name; empty when the data carries none.
QString AssetName(const QMimeData* data);
// The provider's instrument of that long or short name, with the provider set; none when the
// provider is missing or does not know the name.
std::optional<Asset> Find(ProviderBase* provider, const QString& name);
}
