#include "platform/ui/UiLog.h"

Q_LOGGING_CATEGORY(lcUi, "q4.ui")
