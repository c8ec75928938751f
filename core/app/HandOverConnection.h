#pragma once
// One connection to the running instance's hand-over channel: it gathers one message, has the
// channel's answerer judge it, sends the answer's byte back and ends. A connection whose bytes
// can be no message, whose sender closes first, or that takes longer than its time ends without
// an answer. It deletes itself when it ends. Main thread only.

#include "platform/base/UniqueFd.h"

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <functional>

class HandOverConnection : public QObject
{
public:
    // Given a whole message; true when the file it names was opened.
    using Answerer = std::function<bool(const QByteArray& message)>;

    HandOverConnection(UniqueFd socket, int timeoutMs, Answerer answerer, QObject* parent);

private:
    void Receive();
    void Answer();
    void End();

    // Declared before the notifier, so the notifier goes before its descriptor is closed.
    UniqueFd m_socket;
    QSocketNotifier m_readable;
    QTimer m_timeout;
    Answerer m_answerer;
    QByteArray m_bytes;
};
