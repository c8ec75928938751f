#pragma once
// Installs fakes for every dialog service for one test and puts the previous ones back.

#include "tests/support/ui/FakeColorDialogService.h"
#include "tests/support/ui/FakeFileDialogService.h"
#include "tests/support/ui/FakeFontDialogService.h"
#include "tests/support/ui/FakeMenuTracker.h"
#include "tests/support/ui/FakeMessageBoxService.h"
#include "tests/support/ui/FakeShellService.h"

#include <memory>

class ScopedFakeDialogs
{
public:
    ScopedFakeDialogs();
    ~ScopedFakeDialogs();

    ScopedFakeDialogs(const ScopedFakeDialogs&) = delete;
    ScopedFakeDialogs& operator=(const ScopedFakeDialogs&) = delete;

    FakeMessageBoxService& MessageBox() { return *m_messageBox; }
    FakeFileDialogService& FileDialog() { return *m_fileDialog; }
    FakeColorDialogService& ColorDialog() { return *m_colorDialog; }
    FakeFontDialogService& FontDialog() { return *m_fontDialog; }
    FakeShellService& Shell() { return *m_shell; }
    FakeMenuTracker& MenuTracker() { return *m_menuTracker; }

private:
    std::shared_ptr<FakeMessageBoxService> m_messageBox = std::make_shared<FakeMessageBoxService>();
    std::shared_ptr<FakeFileDialogService> m_fileDialog = std::make_shared<FakeFileDialogService>();
    std::shared_ptr<FakeColorDialogService> m_colorDialog = std::make_shared<FakeColorDialogService>();
    std::shared_ptr<FakeFontDialogService> m_fontDialog = std::make_shared<FakeFontDialogService>();
    std::shared_ptr<FakeShellService> m_shell = std::make_shared<FakeShellService>();
    std::shared_ptr<FakeMenuTracker> m_menuTracker = std::make_shared<FakeMenuTracker>();

    std::shared_ptr<IMessageBoxService> m_previousMessageBox;
    std::shared_ptr<IFileDialogService> m_previousFileDialog;
    std::shared_ptr<IColorDialogService> m_previousColorDialog;
    std::shared_ptr<IFontDialogService> m_previousFontDialog;
    std::shared_ptr<IShellService> m_previousShell;
    std::shared_ptr<IMenuTracker> m_previousMenuTracker;
};
