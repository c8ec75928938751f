#include "tests/support/ui/ScopedFakeDialogs.h"

#include "platform/ui/DialogServices.h"

ScopedFakeDialogs::ScopedFakeDialogs()
    : m_previousMessageBox(DialogServices::SetMessageBox(m_messageBox))
    , m_previousFileDialog(DialogServices::SetFileDialog(m_fileDialog))
    , m_previousColorDialog(DialogServices::SetColorDialog(m_colorDialog))
    , m_previousFontDialog(DialogServices::SetFontDialog(m_fontDialog))
    , m_previousShell(DialogServices::SetShell(m_shell))
    , m_previousMenuTracker(DialogServices::SetMenuTracker(m_menuTracker))
{
}

ScopedFakeDialogs::~ScopedFakeDialogs()
{
    DialogServices::SetMessageBox(m_previousMessageBox);
    DialogServices::SetFileDialog(m_previousFileDialog);
    DialogServices::SetColorDialog(m_previousColorDialog);
    DialogServices::SetFontDialog(m_previousFontDialog);
    DialogServices::SetShell(m_previousShell);
    DialogServices::SetMenuTracker(m_previousMenuTracker);
}
