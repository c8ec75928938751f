#pragma once
// Makes sure a QGuiApplication exists, for tests that measure text or load fonts without
// showing widgets (QT_QPA_PLATFORM=offscreen). It lives until the test program ends.

namespace GuiTestApplication
{
void Ensure();
}
