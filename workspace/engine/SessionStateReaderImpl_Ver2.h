#pragma once
// The reader of the current desktop layout: the root "LastSession" holds "Desktop" and
// "ModulesStates" (the consumers' states under it). A file of the old layout loads too, and
// then every node is found at its old place.

#include "workspace/engine/SessionStateReaderImpl_Ver1.h"

class SessionStateReaderImpl_Ver2 : public SessionStateReaderImpl_Ver1
{
public:
    bool Load(const QString& path) override;
    const Settings& GetDesktopNode() const override;
    const Settings& GetConsumersNode() const override;
    // Invalid in a file of the old layout.
    virtual const Settings& GetModulesStatesNode() const;
};
