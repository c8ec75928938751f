#pragma once
// A module of the application: a kind of window that the user opens in panels, with its name,
// its window files and its part of the saved session. The module libraries' consumers and the
// in-process modules (alerts, orders sheet, session statistics) implement it.

#include <QString>

class QWidget;
class Q5Settings;
class Settings;

class IGenericModule
{
public:
    virtual ~IGenericModule() = default;

    // The extension of the module's window files, such as ".q4SS".
    virtual QString GetFileExtension() const = 0;
    // The filter of the open and save dialogs for those files.
    virtual QString GetFileFilter() const = 0;
    // The module's name, the key of its state in sessions and panel files.
    virtual QString GetModuleName() const = 0;
    virtual QString GetDefaultFileName() const = 0;
    virtual bool CanSaveWindowToFile() const = 0;
    // flags: 1 when the user saves the window, 0 when a panel saves it.
    virtual bool SaveWindowToFile(QWidget* window, const QString& path, int flags, bool embedStyles) = 0;
    virtual bool SaveWindowToQ5Format(QWidget* window, const QString& path, int flags, int reserved) = 0;
    // fromPanel: true when a panel or session opens the window, false when the user does.
    virtual bool OpenWindowFromFile(QWidget* parent, const QString& path, bool fromPanel) = 0;
    virtual void SerialisePanelStateToQ5Format(Q5Settings& node) = 0;
    virtual void SerialisePanelState(Settings& node) = 0;
    // Before the session's panels open.
    virtual void UnserialisePanelState(const Settings& node) = 0;
    // After the session's panels opened, with the active panel view.
    virtual void PostUnserialisePanelState(const Settings& node, QWidget* activeView) = 0;
    // Whether the window is kept in the last session.
    virtual bool SerialiseInLastSession(QWidget* window) const = 0;
    // The application started without a session to restore; activeView is its one empty panel.
    virtual void OnSessionLoaded(QWidget* activeView) = 0;
    // -2 when the module's windows have their own styles or none is open, 0 when none is named.
    virtual int GetFirstNamedWindowStyleId() const = 0;
    // Makes the style with the id (or a default one) the module's window style.
    virtual void FindWindowStyle(int styleId) = 0;

    // The module's name and window-file extension in the next product generation's files.
    const QString& GetQ5ModuleName() const { return m_q5ModuleName; }
    const QString& GetQ5FileExtension() const { return m_q5FileExtension; }

protected:
    void SetQ5ModuleName(const QString& name) { m_q5ModuleName = name; }
    void SetQ5FileExtension(const QString& extension) { m_q5FileExtension = extension; }

private:
    QString m_q5ModuleName;
    QString m_q5FileExtension;
};
