#pragma once
// The base of every module library's consumer and every provider: it holds the application
// mediator that the application hands to all of them at once when it starts (Init) and takes
// back when it ends (NullifyAppMediator), and the work state of the plug-in. Lives in this
// shared library so that the executable and every plug-in see the same mediator.

#include <QString>

class IAppMediator;

class PluginBase
{
public:
    virtual ~PluginBase() = default;

    static void Init(IAppMediator* mediator);
    // Null before Init and after NullifyAppMediator.
    static IAppMediator* GetAppMediator();
    static void NullifyAppMediator();

    // Ends the plug-in's work (its threads, its windows' updates); it stays loaded.
    virtual void StopWork() = 0;
    virtual bool IsRunning() const = 0;

    // A modal message box through the mediator (no caption: the product name); -1 without one
    // or off the main thread.
    static int ShowMessage(const QString& caption, const QString& text, unsigned flags);
    // A message popup through the mediator; nothing without one.
    static void ShowInfo(const QString& caption, const QString& text);
    // An information line in the log, through the mediator when there is one.
    static void LogInfo(const QString& text, const QString& module, const QString& where, int line);
    // True on the main thread, and wherever there is no mediator to tell the main thread.
    static bool CheckMainThreadCondition();
};
