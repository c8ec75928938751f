#pragma once
// The log category of the window platform; its warnings name what could not be done.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcUi)
