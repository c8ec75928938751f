#pragma once
// Folders of this checkout and its build that some suites read: fixtures, themes, the program's
// folder. Kept in one generated source, not on the compile lines, so that a clone in another
// folder differs from this one in that file alone and reuses the compiler cache for every other.

#include <QString>

namespace TestPaths
{
// tests/fixtures: small data files of the suites, <area>/good and <area>/broken.
QString Fixtures();
// The build's bin folder: the program, its plug-ins and the files beside it.
QString BinFolder();
// The test plug-ins' folder of the build.
QString TestPlugins();
// resources/themes of the checkout.
QString Themes();
// resources/InstallSettings of the checkout: the factory settings files.
QString InstallSettings();
// The tests' local SMTP server script.
QString SmtpSink();
}
