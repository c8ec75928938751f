#include "core/mediator/ArgumentParser.h"

#include "core/mediator/AppMediator.h"

bool ArgumentParser::ParseOptions(const QStringList& arguments, bool& extendedMode)
{
    if (arguments.size() == 1 && arguments.front() == kExtendedOption)
        extendedMode = true;
    return true;
}

bool ArgumentParser::OpenCommandLineFile(const QStringList& arguments, AppMediator& mediator)
{
    // The option is no file: trying to open it would only log a failure.
    if (arguments.size() != 1 || arguments.front() == kExtendedOption)
        return true;
    if (!mediator.OpenFileByExtension(arguments.front(), true))
        mediator.OpenFileByExtension(arguments.front(), false);
    return true;
}
