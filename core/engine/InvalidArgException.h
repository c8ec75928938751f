#pragma once
// Raised by the XML wrappers when an argument or a document does not allow the operation;
// the cloud requests catch it around a whole request or answer.

#include <QString>

#include <stdexcept>

class InvalidArgException : public std::invalid_argument
{
public:
    explicit InvalidArgException(const QString& what) : std::invalid_argument(what.toStdString()) {}
};
