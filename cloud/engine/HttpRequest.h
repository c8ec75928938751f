#pragma once
// One HTTP exchange as the cloud worker asks for it: verb, whole address, basic-authentication
// credentials, headers and body.

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

struct HttpRequest
{
    QString verb;
    QString url;
    QString user;
    QString password;
    std::vector<std::pair<QByteArray, QByteArray>> headers;
    // Sent as UTF-8.
    QString body;
};
