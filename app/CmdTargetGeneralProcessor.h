#pragma once
// The frame's general command target: the program's own commands of the application menu
// (options, help, update, close, discard). Made by the edition factory; it reaches the parts
// it needs through the application mediator when a command comes.

#include "platform/ui/CmdTarget.h"

#include <cstdint>

class CmdTargetGeneralProcessor : public CmdTarget
{
public:
    static constexpr std::uint32_t ID_CLOSE_APPLICATION = 33466;
    static constexpr std::uint32_t ID_DISCARD = 33463;
    static constexpr std::uint32_t ID_OPTIONS = 33467;
    static constexpr std::uint32_t ID_UPDATE_PROGRAM = 33029;
    static constexpr std::uint32_t ID_HELP = 33577;

    CmdTargetGeneralProcessor();

private:
    static void OnOptions();
    static void OnHelp();
    static void OnUpdateProgram();
    static void OnCloseApplication();
    static void OnDiscard();
};
