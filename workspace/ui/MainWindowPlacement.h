#pragma once
// Puts the main window where "MainWndPosition.state" in the application-data folder says, on
// the screens there are now, and keeps its place there when the program ends. Main thread only.

#include <QSize>

class QWidget;

namespace MainWindowPlacement
{
// Shows the window at its saved normal place, maximised when it was; without a saved place it
// opens maximised, at defaultSize where the desktop does not maximise windows.
void Restore(QWidget& window, const QSize& defaultSize);
// False when the file could not be written (logged).
bool Save(const QWidget& window);
}
