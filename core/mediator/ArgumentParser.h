#pragma once
// The command line as the program reads it: one argument, either "--extended" or a file to
// open. Made by the edition factory.

#include <QStringList>

class AppMediator;

class ArgumentParser
{
public:
    static inline const QString kExtendedOption = QStringLiteral("--extended");

    virtual ~ArgumentParser() = default;

    // arguments: the command line without the program. Sets extendedMode when "--extended" is
    // the one argument, in exactly that form. Always true.
    virtual bool ParseOptions(const QStringList& arguments, bool& extendedMode);
    // Opens the one argument as a desktop. Always true.
    virtual bool OpenCommandLineFile(const QStringList& arguments, AppMediator& mediator);
    // Once the session gave the program its panels: the one argument that did not open as a
    // desktop opens as a module's window file in the active panel. Always true; a file that
    // does not open is named in the log.
    virtual bool OpenCommandLineWindowFile(const QStringList& arguments, AppMediator& mediator);

private:
    bool m_desktopOpened = false;
};
