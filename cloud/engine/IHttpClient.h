#pragma once
// Sends one HTTP request synchronously on the calling thread. The cloud worker uses it; tests
// give a fake.

#include "cloud/engine/HttpRequest.h"
#include "cloud/engine/HttpResponse.h"

#include <functional>

class IHttpClient
{
public:
    // Asked now and then while the exchange runs; true gives the exchange up.
    using CancelCheck = std::function<bool()>;

    virtual ~IHttpClient() = default;

    // The server's answer, whatever its status; raises HttpError when there is none. A host
    // name that cannot be resolved answers status 12007 with an empty text. Safe to call from
    // several threads at once.
    virtual HttpResponse Send(const HttpRequest& request, const CancelCheck& cancelled) = 0;
};
