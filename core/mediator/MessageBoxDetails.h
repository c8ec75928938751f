#pragma once
// A message for the user raised off the main thread, waiting in the mediator's queue until the
// main frame shows it.

#include <QString>

#include <utility>

enum class EMessageType
{
    Information = 1,
    Warning = 2,
    Error = 3,
};

class MessageBoxDetails
{
public:
    MessageBoxDetails(QString caption, QString text, EMessageType type)
        : m_caption(std::move(caption))
        , m_text(std::move(text))
        , m_type(type)
    {
    }

    const QString& Caption() const { return m_caption; }
    const QString& Text() const { return m_text; }
    EMessageType Type() const { return m_type; }

private:
    QString m_caption;
    QString m_text;
    EMessageType m_type;
};
