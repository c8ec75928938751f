#pragma once
// One request waiting in, or taken from, the cloud worker's queue.

#include "cloud/engine/CloudRequestKind.h"

#include <QString>

struct CloudRequest
{
    // The whole address: the base address followed by the kind's path.
    QString path;
    QString body;
    CloudRequestKind kind = eRequestNotSet;
    // Set when the request comes back after the server refused its token, so that a second
    // refusal drops it instead of asking for tokens without end.
    bool tokenRetried = false;

    bool IsSet() const { return !path.isEmpty(); }
};
