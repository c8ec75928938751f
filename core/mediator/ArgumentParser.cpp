#include "core/mediator/ArgumentParser.h"

#include "core/mediator/AppMediator.h"
#include "platform/base/Log.h"

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
    m_desktopOpened = mediator.OpenFileByExtension(arguments.front(), true);
    return true;
}

bool ArgumentParser::OpenCommandLineWindowFile(const QStringList& arguments, AppMediator& mediator)
{
    // A window opens in a panel, and the panels come with the session.
    if (arguments.size() != 1 || arguments.front() == kExtendedOption || m_desktopOpened)
        return true;
    if (!mediator.OpenFileByExtension(arguments.front(), false))
        Log::WriteWarning(QStringLiteral("Nie otwarto pliku \"%1\" podanego w wierszu poleceń.").arg(arguments.front()),
                          QStringLiteral("Quorvanta 4"), QStringLiteral("ArgumentParser::OpenCommandLineWindowFile"),
                          __LINE__);
    return true;
}
