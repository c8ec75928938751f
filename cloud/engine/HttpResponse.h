#pragma once
// What the server answered: the HTTP status and the answer's text.

#include <QString>

struct HttpResponse
{
    // The status given for a host name that cannot be resolved.
    static constexpr int kHostNotResolvedStatus = 12007;

    int status = 0;
    QString text;
};
