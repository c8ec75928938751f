#pragma once
// The formula language's module: it has no windows and no state of its own yet, so its part of
// a session is empty and it opens no window files.

#include "platform/modules/IGenericModule.h"

class FormulaLanguageModule : public IGenericModule
{
public:
    FormulaLanguageModule();

    QString GetFileExtension() const override { return {}; }
    QString GetFileFilter() const override { return {}; }
    QString GetModuleName() const override { return QStringLiteral("KFL"); }
    QString GetDefaultFileName() const override { return {}; }
    bool CanSaveWindowToFile() const override { return false; }
    bool SaveWindowToFile(QWidget* window, const QString& path, int flags, bool embedStyles) override { return false; }
    bool SaveWindowToQ5Format(QWidget* window, const QString& path, int flags, int reserved) override { return false; }
    bool OpenWindowFromFile(QWidget* parent, const QString& path, bool fromPanel) override;
    void SerialisePanelStateToQ5Format(Q5Settings& node) override {}
    void SerialisePanelState(Settings& node) override {}
    void UnserialisePanelState(const Settings& node) override {}
    void PostUnserialisePanelState(const Settings& node, QWidget* activeView) override {}
    bool SerialiseInLastSession(QWidget* window) const override { return false; }
    void OnSessionLoaded(QWidget* activeView) override {}
    int GetFirstNamedWindowStyleId() const override { return -2; }
    void FindWindowStyle(int styleId) override {}
};
