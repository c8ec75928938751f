#pragma once
// The application as module libraries and plug-ins reach it: the log, messages to the user and
// the display of a provider's last quote time. The log and message operations may be called
// from any thread. This holds only the operations that module libraries call so far; the
// application mediator adds the rest of its operations here as it is built.

#include <QString>

#include <thread>

class ProviderBase;

class IAppMediator
{
public:
    virtual ~IAppMediator() = default;

    // module is the caller's name, where its class and operation ("SimFeed::Step").
    virtual void WriteInfo(const QString& module, const QString& where, int line, const QString& text) = 0;
    virtual void WriteWarning(const QString& module, const QString& where, int line, const QString& text) = 0;
    virtual void WriteError(const QString& module, const QString& where, int line, const QString& text) = 0;

    // A message popup; off the main thread the message waits until the main thread shows it.
    virtual void ShowInfo(const QString& caption, const QString& text) = 0;
    virtual void ShowWarning(const QString& caption, const QString& text) = 0;
    virtual void ShowError(const QString& caption, const QString& text) = 0;
    // A modal message box answering the button pressed; -1 off the main thread (nothing shown).
    virtual int ShowMessageBox(const QString& caption, const QString& text, unsigned flags) = 0;

    virtual std::thread::id GetMainThreadId() const = 0;

    // The provider's last quote time changed; shown when it is the application's time source.
    virtual void ShowLastQuoteTime(ProviderBase* provider) = 0;
};
