#pragma once
// What a data provider's notify pane on the status bar shows: 0 (offline) while the provider
// does not work, 1 (idle) while it works and no quote came yet, 2 (receiving) once quotes come;
// the tooltip names the provider and its description.

#include "ribbon/statusbar/INotifySource.h"

class ProviderBase;

class ProviderNotifySource : public INotifySource
{
public:
    explicit ProviderNotifySource(ProviderBase& provider);

    int GetNotifyState() const override;
    QString GetNotifyTooltip() const override;

private:
    ProviderBase& m_provider;
};
