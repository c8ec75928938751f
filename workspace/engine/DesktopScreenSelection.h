#pragma once
// Which screens a desktop file keeps and the names their panel files get. An edition that
// allows one screen keeps only the screen on top, named "Ekran 1" ("Ekran" in the export); an
// edition with several keeps every screen in tab order under its caption, made a safe and
// unique file name.

#include "workspace/engine/IDesktopHost.h"

#include <QString>

#include <vector>

class QWidget;

class DesktopScreenSelection
{
public:
    enum class Format
    {
        Native,
        Q5
    };

    struct Panel
    {
        QWidget* view = nullptr;
        QString name;     // the panel file's name without extension
        QString caption;  // the screen's caption
        bool active = false;
        bool versionInfo = false;
    };

    // screens: the screens that hold a panel, in tab order; activeView: the screen on top.
    static std::vector<Panel> Select(const std::vector<IDesktopHost::Screen>& screens, QWidget* activeView,
                                     int screensLimit, Format format);
};
