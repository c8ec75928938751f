#pragma once
// The command, menu and timer ids of the main frame, its screens and its panels.

#include <cstdint>

namespace WorkspaceIds
{
// Commands the frame answers itself.
inline constexpr std::uint32_t ID_NEW_SCREEN_MENU = 32916;
inline constexpr std::uint32_t ID_NEW_SCREEN = 32989;
inline constexpr std::uint32_t ID_SCREENSHOT = 33931;
inline constexpr std::uint32_t ID_CONFIGURE_PROVIDERS = 32769;
inline constexpr std::uint32_t ID_OPEN_WINDOW = 33000;
// The windows gallery of the main tab.
inline constexpr std::uint32_t ID_SWITCH_WINDOWS = 33598;
// Commands the frame posts for other command targets.
inline constexpr std::uint32_t ID_ESCAPE = 33463;
inline constexpr std::uint32_t ID_ALT_1 = 33671;
// The screen tab menu.
inline constexpr std::uint32_t ID_SCREEN_CLOSE = 33691;
inline constexpr std::uint32_t ID_SCREEN_RENAME = 33692;
inline constexpr std::uint32_t ID_SCREEN_MOVE_UP = 33693;
inline constexpr std::uint32_t ID_SCREEN_MOVE_DOWN = 33694;
inline constexpr std::uint32_t ID_SCREEN_MOVE_LEFT = 33695;
inline constexpr std::uint32_t ID_SCREEN_MOVE_RIGHT = 33696;
// Commands of the system menus the frame builds.
inline constexpr std::uint32_t ID_SAVE_WINDOW = 32886;
inline constexpr std::uint32_t ID_SAVE_DESKTOP = 32913;
inline constexpr std::uint32_t ID_OPEN_DESKTOP = 32914;
inline constexpr std::uint32_t ID_UPDATE_PROGRAM = 33029;
inline constexpr std::uint32_t ID_APP_EXIT = 33466;
inline constexpr std::uint32_t ID_OPTIONS = 33467;
inline constexpr std::uint32_t ID_HELP = 33577;
inline constexpr std::uint32_t ID_PRINT = 33677;
inline constexpr std::uint32_t ID_FILES_GENERATOR = 33685;
inline constexpr std::uint32_t ID_SAVE_WINDOW_Q5 = 33959;
inline constexpr std::uint32_t ID_SAVE_DESKTOP_Q5 = 33960;
inline constexpr std::uint32_t ID_APP_ABOUT = 57664;
// The open-window popup.
inline constexpr std::uint32_t ID_OPEN_CHART = 33001;
inline constexpr std::uint32_t ID_OPEN_TABLE = 32915;
inline constexpr std::uint32_t ID_OPEN_DETAILS = 32960;
inline constexpr std::uint32_t ID_OPEN_OFFERS = 32958;
inline constexpr std::uint32_t ID_OPEN_TRANSLIST = 32956;
inline constexpr std::uint32_t ID_OPEN_ORDERS_SHEET = 33373;
inline constexpr std::uint32_t ID_OPEN_TRANSACTIONS_MONITOR = 33895;

// The panels' document template (its string names the document kind).
inline constexpr std::uint32_t IDR_PANEL_TEMPLATE = 149;

// The frame's timers.
inline constexpr std::uint32_t kProgressTimerId = 1;
inline constexpr int kProgressTimerMs = 1500;
inline constexpr std::uint32_t kStatusBarTimerId = 2;
inline constexpr int kStatusBarTimerMs = 5000;
// Once, a minute after the frame is made: the application news.
inline constexpr std::uint32_t kAppNewsTimerId = 4;
inline constexpr int kAppNewsTimerMs = 60000;

// The tab client's workspace-button flags the frame sets; the bit of value 2 hides the tabs'
// close buttons.
inline constexpr std::uint32_t kTabClientFlags = 0x0D;
inline constexpr std::uint32_t kNoCloseButtonFlag = 0x02;
}
