#pragma once
// What the instrument and chart-parameter dialogs ask of the running program: the data providers,
// the default provider and its change, the error box and the log. Tests give their own.

#include "core/mediator/ChooseAssetDlgComponent.h"

#include <QString>

#include <functional>

class ProviderBase;

struct AssetChoiceServices
{
    ChooseAssetDlgComponent::Providers providers;
    std::function<void(ProviderBase*)> setDefaultProvider;
    std::function<void(const QString& text)> showError;
    std::function<void(const QString& where, int line, const QString& text)> writeError;

    // The running program's: the mediator's providers, box and log.
    static AssetChoiceServices Running();
};
