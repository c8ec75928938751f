#pragma once
// The log category of the program's ribbon.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcRibbon)
