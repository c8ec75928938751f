#pragma once
// The application messages that the mediator posts to the main frame from any thread; the
// frame acts on them on the main thread.

#include <QString>

#include <cstdint>

// wParam 0, lParam 0: show the messages queued off the main thread.
inline constexpr std::uint32_t WM_APP_SHOW_QUEUED_MESSAGES = 33065;
// wParam the percentage done (0..99), lParam 1 to show the progress, 0 to hide it.
inline constexpr std::uint32_t WM_APP_PROGRESS = 33672;
// wParam the provider whose last quote time changed, lParam 0.
inline constexpr std::uint32_t WM_APP_LAST_QUOTE_TIME = 33673;
// wParam the pane key, lParam the pane's value.
inline constexpr std::uint32_t WM_APP_STATUS_BAR_PANE = 33674;
// wParam 0, lParam 0: the quick-add popup's instrument lists are to be rebuilt.
inline constexpr std::uint32_t WM_APP_QUICK_ADD_LIST_CHANGED = 33697;

// Registered messages (RegisteredMessages::Register) of the main frame; wParam 0, lParam 0.
// The frame applies a ribbon context with no module, completed from its active window.
inline const QString kUpdateRibbonMessageName = QStringLiteral("PulpitFrame_UpdateRibbon_message");
// The frame repaints its status bar.
inline const QString kRefreshNotifyButtonsMessageName = QStringLiteral("PulpitFrame_RefreshNotifyButtons_message");
