#pragma once
// Raised by an HTTP client when an exchange could not be made (no connection, time-out, a
// refused address, an answer too large): no answer exists for the request.

#include <QString>

#include <stdexcept>

class HttpError : public std::runtime_error
{
public:
    explicit HttpError(const QString& what) : std::runtime_error(what.toStdString()) {}
};
