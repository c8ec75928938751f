#pragma once
// The numbers of the messages of the cloud link: those the worker thread handles, those posted
// to the main window, and the worker's two timers.

#include <cstdint>

namespace CloudMessages
{
// Thread messages of the worker.
inline constexpr unsigned kExecuteNextRequest = 0x626;
inline constexpr unsigned kRegisterAlertReceiver = 0x629;
inline constexpr unsigned kAlertsModified = 0x62D;

// Messages to the main window, handled by CloudMessageManager::PreTranslateMessage.
inline constexpr unsigned kAnswerReady = 0x627;        // wParam kind, lParam HTTP status
inline constexpr unsigned kReloadAlerts = 0x62A;
inline constexpr unsigned kAlertEventsWaiting = 0x62B;
inline constexpr unsigned kTokenNeeded = 0x62C;
inline constexpr unsigned kRestartHttpThread = 0x62E;
inline constexpr unsigned kClearCloudAlerts = 0x62F;

// The worker's timers.
inline constexpr std::uintptr_t kUserTimerId = 5100;
inline constexpr std::uintptr_t kModificationTimerId = 5101;
}
