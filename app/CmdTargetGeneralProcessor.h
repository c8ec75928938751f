#pragma once
// The frame's general command target: the program's own commands of the application menu
// (options, help, update, close, discard), saving and opening desktops, and the ribbon's size.
// Made by the edition factory; it reaches the parts it needs through the application mediator
// when a command comes.

#include "platform/ui/CmdTarget.h"

#include <cstdint>

class CmdUI;

class CmdTargetGeneralProcessor : public CmdTarget
{
public:
    static constexpr std::uint32_t ID_CLOSE_APPLICATION = 33466;
    static constexpr std::uint32_t ID_DISCARD = 33463;
    static constexpr std::uint32_t ID_OPTIONS = 33467;
    static constexpr std::uint32_t ID_UPDATE_PROGRAM = 33029;
    static constexpr std::uint32_t ID_HELP = 33577;
    static constexpr std::uint32_t ID_SAVE_DESKTOP = 32913;
    static constexpr std::uint32_t ID_OPEN_DESKTOP = 32914;
    static constexpr std::uint32_t ID_SAVE_DESKTOP_Q5 = 33960;
    static constexpr std::uint32_t ID_RIBBON_MINIMIZE = 33633;
    static constexpr std::uint32_t ID_RIBBON_EXPAND = 33634;

    CmdTargetGeneralProcessor();

private:
    static void OnOptions();
    static void OnHelp();
    static void OnUpdateProgram();
    static void OnCloseApplication();
    static void OnDiscard();
    static void OnSaveDesktop();
    static void OnOpenDesktop();
    static void OnSaveDesktopToQ5Format();
    static void MinimizeRibbon(bool minimize);
    // The control shows only while the ribbon is not in that state (shows without a ribbon).
    static void OnUpdateRibbonSize(CmdUI& cmdUI, bool minimize);
};
