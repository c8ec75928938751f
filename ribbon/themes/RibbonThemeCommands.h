#pragma once
// The colour-theme commands of the "Style" popup (33604 to 33610): each applies the theme of
// its place in that range; the update pass checks the command of the current theme. The main
// frame puts this target among its own command targets.

#include "platform/ui/CmdTarget.h"

class RibbonThemeCommands : public CmdTarget
{
public:
    RibbonThemeCommands();

    // The theme index of a command id; -1 for an id outside the range.
    static int ThemeIndexOf(std::uint32_t id);

private:
    void OnApplicationTheme(std::uint32_t id);
    void OnUpdateApplicationTheme(CmdUI& cmdUI);
};
