#include "ribbon/RibbonLog.h"

Q_LOGGING_CATEGORY(lcRibbon, "q4.ribbon")
