#pragma once
// The version-information page ("Nowości"): the maker's page that lists what is new in this
// version. The process-wide manager builds the page's address from the server that
// "ClientDetails.ini" beside the executable names, opens it in the user's browser, and keeps
// three flags the main frame and the panels consult about a page shown in a panel: a panel is
// about to be made for it, it has been shown in a panel (never cleared during the run), and its
// view is the active one. Main thread only.

#include <QString>

class IHelpHost;
class IShellService;

class VersionInfoManager
{
public:
    static constexpr const char* kProgramVersion = "4.2.210.1";
    static constexpr const char* kServerFileName = "ClientDetails.ini";
    static constexpr const char* kServerLinePrefix = "URL=";
    static constexpr const char* kPagePath = "/ShowChangesDetails.php?version=";
    static constexpr const char* kInPanelQuery = "&addview=1";

    static VersionInfoManager& Instance();

    // The server from the first line of "ClientDetails.ini" that starts with "URL=", without
    // that prefix and surrounding blanks; empty without the file or such a line.
    QString ReadServerAddress() const;
    // Empty when there is no server address. The time stamp keeps caches from serving an old page.
    QString BuildPageAddress(bool inPanel) const;
    QString BuildPageAddress(bool inPanel, qint64 secondsSinceEpoch) const;
    static QString GetCaption();

    // Opens the page in the user's browser; false, opening nothing, without an address or when
    // no browser takes it (both logged).
    bool OpenPageInBrowser(IShellService& shell) const;

    bool IsPanelViewRequested() const { return m_panelViewRequested; }
    void SetPanelViewRequested(bool requested) { m_panelViewRequested = requested; }
    bool IsShownInPanel() const { return m_shownInPanel; }
    void SetShownInPanel() { m_shownInPanel = true; }
    bool IsViewActive() const { return m_viewActive; }
    void SetViewActive(bool active) { m_viewActive = active; }

private:
    VersionInfoManager() = default;

    bool m_panelViewRequested = false;
    bool m_shownInPanel = false;
    bool m_viewActive = false;
};

// Whether the program's version changed since the last run; false when the data-version updater
// is missing or asking it fails.
bool IsProgramVersionChanged(IHelpHost& host);
