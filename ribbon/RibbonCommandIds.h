#pragma once
// Command, menu and bitmap ids of the ribbon bar itself.

#include <cstdint>

namespace RibbonCommandIds
{
inline constexpr std::uint32_t ID_SYSTEM_BUTTON = 33;
inline constexpr std::uint32_t ID_RIBBON_MINIMIZE = 33633;
inline constexpr std::uint32_t ID_RIBBON_EXPAND = 33634;
// The right-aligned "Style" popup of the extended mode.
inline constexpr std::uint32_t ID_STYLE_POPUP = 0xFFFFFFFFu;
inline constexpr std::uint32_t ID_THEME_OFFICE2007 = 33602;
inline constexpr std::uint32_t ID_THEME_OFFICE2010 = 33603;
inline constexpr std::uint32_t ID_THEME_2007_BLUE = 33604;
inline constexpr std::uint32_t ID_THEME_2007_BLACK = 33605;
inline constexpr std::uint32_t ID_THEME_2007_SILVER = 33606;
inline constexpr std::uint32_t ID_THEME_2007_AQUA = 33607;
inline constexpr std::uint32_t ID_THEME_2010_BLUE = 33608;
inline constexpr std::uint32_t ID_THEME_2010_BLACK = 33609;
inline constexpr std::uint32_t ID_THEME_2010_SILVER = 33610;

inline constexpr std::uint32_t IDB_RIBBON_SIZE_ICONS = 700;
inline constexpr std::uint32_t IDB_APP_MENU_SMALL = 408;
inline constexpr std::uint32_t IDB_APP_MENU_LARGE = 278;
inline constexpr std::uint32_t ID_APP_MENU_SMALL_ICON = 57665;

// The main frame's commands that the ribbon shows on its main tabs and in the application menu.
inline constexpr std::uint32_t ID_CONFIGURE_PROVIDERS = 32769;
inline constexpr std::uint32_t ID_INSPECTOR_CROSS = 32768;
inline constexpr std::uint32_t ID_INSPECTOR = 32770;
inline constexpr std::uint32_t ID_RULER = 32771;
inline constexpr std::uint32_t ID_SAVE_WINDOW = 32886;
inline constexpr std::uint32_t ID_SAVE_DESKTOP = 32913;
inline constexpr std::uint32_t ID_OPEN_DESKTOP = 32914;
inline constexpr std::uint32_t ID_OPEN_TABLE = 32915;
inline constexpr std::uint32_t ID_OPEN_TRANSLIST = 32956;
inline constexpr std::uint32_t ID_OPEN_OFFERS = 32958;
inline constexpr std::uint32_t ID_OPEN_DETAILS = 32960;
inline constexpr std::uint32_t ID_NEW_SCREEN = 32989;
inline constexpr std::uint32_t ID_NEW_CHART = 32990;
inline constexpr std::uint32_t ID_NEW_TABLE = 32991;
inline constexpr std::uint32_t ID_NEW_DETAILS = 32992;
inline constexpr std::uint32_t ID_NEW_OFFERS = 32993;
inline constexpr std::uint32_t ID_NEW_TRANSLIST = 32994;
inline constexpr std::uint32_t ID_SESSION_STATISTICS = 32995;
inline constexpr std::uint32_t ID_ORDERS_SHEET = 32996;
inline constexpr std::uint32_t ID_ALERTS_MANAGER = 32997;
inline constexpr std::uint32_t ID_NEW_ALERT = 32999;
inline constexpr std::uint32_t ID_OPEN_WINDOW = 33000;
inline constexpr std::uint32_t ID_OPEN_CHART = 33001;
inline constexpr std::uint32_t ID_UPDATE_PROGRAM = 33029;
inline constexpr std::uint32_t ID_OPEN_ORDERS_SHEET = 33373;
inline constexpr std::uint32_t ID_APP_EXIT = 33466;
inline constexpr std::uint32_t ID_OPTIONS = 33467;
inline constexpr std::uint32_t ID_HELP = 33577;
inline constexpr std::uint32_t ID_CLOSE_ALL_WINDOWS = 33581;
inline constexpr std::uint32_t ID_SWITCH_WINDOWS = 33598;
inline constexpr std::uint32_t ID_MULTI_DATA = 33676;
inline constexpr std::uint32_t ID_PRINT = 33677;
inline constexpr std::uint32_t ID_FILES_GENERATOR = 33685;
inline constexpr std::uint32_t ID_NEW_TRANSACTIONS_MONITOR = 33837;
inline constexpr std::uint32_t ID_OPEN_TRANSACTIONS_MONITOR = 33895;
inline constexpr std::uint32_t ID_SAVE_WINDOW_Q5 = 33959;
inline constexpr std::uint32_t ID_SAVE_DESKTOP_Q5 = 33960;
inline constexpr std::uint32_t ID_APP_ABOUT = 57664;
}
