#pragma once
// The HTTP client of the cloud link, on libcurl: one synchronous exchange per call, basic
// authentication, certificates verified. Redirections are not followed, so no request goes to
// an address other than the one asked for; plain http is taken only for an address on this
// machine, so that credentials never cross a network unencrypted. An exchange that takes too
// long, an answer too large or a certificate that is not trusted for the address is given up
// (HttpError).

#include "cloud/engine/IHttpClient.h"

#include <QString>

#include <chrono>
#include <cstddef>

class CurlHttpClient : public IHttpClient
{
public:
    struct Options
    {
        std::chrono::milliseconds connectTimeout{15000};
        std::chrono::milliseconds totalTimeout{60000};
        std::size_t maxAnswerBytes = 16 * 1024 * 1024;
        // A PEM file of the authorities to trust in place of the system's bundle; empty keeps the
        // system's. Either way the server's certificate and name are checked.
        QString caFile;
    };

    CurlHttpClient();
    explicit CurlHttpClient(Options options);

    HttpResponse Send(const HttpRequest& request, const CancelCheck& cancelled) override;

    // https to any host, http only to the loopback addresses; never with user or password in
    // the address.
    static bool IsAllowedUrl(const QString& url);

private:
    Options m_options;
};
