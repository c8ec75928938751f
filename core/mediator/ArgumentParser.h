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
    // Opens the one argument: as a desktop first, then as a module's window file. Always true;
    // a file that no module opens is named in the log.
    virtual bool OpenCommandLineFile(const QStringList& arguments, AppMediator& mediator);
};
