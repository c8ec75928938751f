#pragma once
// The names the desktop, session, panel and window-position files are written with: file
// names and extensions, root and node names. Readers and writers share them so both sides
// of every file agree.

#include <QString>

namespace DesktopFormat
{
inline const QString kDesktopExtension = QStringLiteral(".q4s");
// A desktop or session file is known by its extension: an export to the next-generation
// format is written in the same elements but is no desktop of this program.
inline bool IsDesktopFileName(const QString& path)
{
    return path.endsWith(kDesktopExtension, Qt::CaseInsensitive);
}
inline const QString kQ5PanelExtension = QStringLiteral(".q5p");
inline const QString kLastSessionFileName = QStringLiteral("LastSession.q4s");
inline const QString kWindowPositionFileName = QStringLiteral("MainWndPosition.state");

// Desktop and session files: the current layout has the root "LastSession" holding "Desktop"
// and "ModulesStates"; the old one has the root "Desktop" with "Consumers" directly under it.
inline const QString kSessionRoot = QStringLiteral("LastSession");
inline const QString kDesktopNode = QStringLiteral("Desktop");
inline const QString kModulesStatesNode = QStringLiteral("ModulesStates");
inline const QString kConsumersNode = QStringLiteral("Consumers");
inline const QString kPanelName = QStringLiteral("PanelName");
inline const QString kActive = QStringLiteral("Active");
inline const QString kVersInfo = QStringLiteral("VersInfo");
inline const QString kShowHideRibbon = QStringLiteral("ShowHideRibbon");
// The screen's caption, written only when it cannot be the panel file's name as it is.
inline const QString kCaption = QStringLiteral("Caption");

// Panel files: root "Panel" with one unnamed child per window (topmost first), each with its
// rectangle in the view under "Rect" (older files keep none); old files name the module under
// "ConsumerName".
inline const QString kPanelRoot = QStringLiteral("Panel");
inline const QString kModuleName = QStringLiteral("ModuleName");
inline const QString kWindowName = QStringLiteral("WindowName");
inline const QString kConsumerName = QStringLiteral("ConsumerName");
inline constexpr const char* kPanelSettingsNode = "PanelSettings";

// This edition keeps one screen: "Ekran 1" in its own desktops, "Ekran" in the export.
inline const QString kScreenName = QStringLiteral("Ekran %1");
inline const QString kQ5ScreenName = QStringLiteral("Ekran");

// The export's default extension: ".q5" for the product kind 1 (this edition), ".q5s" for others.
inline QString Q5DesktopExtension(int productKind)
{
    return productKind == 1 ? QStringLiteral(".q5") : QStringLiteral(".q5s");
}

inline const QString kWindowPositionRoot = QStringLiteral("MainWnd");
inline const QString kRect = QStringLiteral("Rect");
inline const QString kMaximized = QStringLiteral("Maximized");
}
