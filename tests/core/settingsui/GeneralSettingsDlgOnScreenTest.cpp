#include "tests/core/settings/RecordingGlobalSettingsHost.h"
#include "tests/core/settings/SettingsFixture.h"

#include "core/settings/AlertsGeneralSettingsGroup.h"
#include "core/settings/GeneralSettingsManager.h"
#include "core/settings/GlobalSettingsQ4Classic.h"
#include "core/settingsui/GeneralSettingsDlg.h"
#include "platform/toolkit/PropertyGridItem.h"
#include "platform/toolkit/PropertyGridView.h"
#include "platform/toolkit/TaskPanelGroup.h"
#include "platform/toolkit/TaskPanelView.h"
#include "tests/support/ui/ScopedFakeDialogs.h"
#include "tests/support/ui/TestApplication.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <memory>

namespace
{
// The program's own groups, global settings and local alerts, over the shipped factory files,
// in a dialog on the (offscreen) screen.
class GeneralSettingsDlgOnScreenTest : public SettingsFixture
{
protected:
    GeneralSettingsDlgOnScreenTest()
    {
        TestApplication::Ensure();
        InstallShippedFactoryFile(QStringLiteral("Quorvanta 4"), QStringLiteral("base_globals.xml"));
        InstallShippedFactoryFile(QStringLiteral("AlertsModule"), QStringLiteral("base_default.q4sAM"));
        InstallSounds();
        host.AddProvider(QStringLiteral("Kelvora OnLine"));
        globals = std::make_shared<GlobalSettingsQ4Classic>(host);
        alerts = std::make_shared<AlertsGeneralSettingsGroup>(nullptr);
        manager.AddGroup(globals);
        manager.AddGroup(alerts);
        host.calls.clear();
    }

    QString AlertsFile() const { return UserFile(QStringLiteral("AlertsModule"), QStringLiteral("current_default.q4sAM")); }

    // Opens the row's editor in the grid on screen.
    template <class Editor>
    Editor* EditorOf(GeneralSettingsDlg& dialog, const QString& caption)
    {
        PropertyGridItem* item = dialog.GetGrid().FindItem(caption);
        EXPECT_NE(item, nullptr) << caption.toStdString();
        return item ? qobject_cast<Editor*>(dialog.GetGridView()->EditItem(item)) : nullptr;
    }

    // Saved as <folder>/<name>.png when Q4_SCREENSHOT_DIR names a folder.
    static void KeepScreenshot(const QPixmap& shot, const QString& name)
    {
        const QString folder = qEnvironmentVariable("Q4_SCREENSHOT_DIR");
        if (folder.isEmpty() || !QDir().mkpath(folder))
            return;
        EXPECT_TRUE(shot.save(QDir(folder).filePath(name + QStringLiteral(".png"))));
    }

    ScopedFakeDialogs dialogs;
    RecordingGlobalSettingsHost host;
    std::shared_ptr<GlobalSettingsQ4Classic> globals;
    std::shared_ptr<AlertsGeneralSettingsGroup> alerts;
    GeneralSettingsManager manager;
};
}

TEST_F(GeneralSettingsDlgOnScreenTest, AlertSettingsEditedInTheGridReachTheGroup)
{
    GeneralSettingsDlg dialog(manager);
    dialog.show();
    GroupsTaskPanel& panel = dialog.GetTaskPanel();
    ASSERT_EQ(panel.GetGroupCount(), 2);
    EXPECT_EQ(panel.GetAt(0)->GetCaption(), QStringLiteral("Ogólne"));
    EXPECT_EQ(panel.GetAt(1)->GetCaption(), QStringLiteral("Alerty lokalne"));
    panel.ClickItem(panel.GetAt(1));

    QSpinBox* port = EditorOf<QSpinBox>(dialog, QStringLiteral("Port"));
    ASSERT_NE(port, nullptr);
    port->setValue(587);
    dialog.GetGridView()->CommitEditor();

    QComboBox* encryption = EditorOf<QComboBox>(dialog, QStringLiteral("Szyfrowanie"));
    ASSERT_NE(encryption, nullptr);
    encryption->setCurrentIndex(2);
    dialog.GetGridView()->CommitEditor();

    QLineEdit* password = EditorOf<QLineEdit>(dialog, QStringLiteral("Hasło"));
    ASSERT_NE(password, nullptr);
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);
    password->setText(QStringLiteral("tajne"));
    dialog.GetGridView()->CommitEditor();
    EXPECT_EQ(dialog.GetGridView()->RowOf(dialog.GetGrid().FindItem(QStringLiteral("Hasło")))->text(1),
              QStringLiteral("*****"));

    dialog.GetButton(GeneralSettingsDlg::kOkId)->click();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    const AlertsGeneralSettingsValues values = alerts->GetValues();
    EXPECT_EQ(values.port, 587);
    EXPECT_EQ(values.encryption, 2) << "the third option, STARTTLS";
    EXPECT_EQ(values.password, QStringLiteral("tajne"));

    const std::optional<Settings> stored = ReadNode(AlertsFile(), QStringLiteral("AlertsGenerallSettings"));
    ASSERT_TRUE(stored.has_value());
    const QString cipher = (*stored)["smtpServerParameters"]["password"].ToString();
    EXPECT_FALSE(cipher.isEmpty());
    EXPECT_FALSE(cipher.contains(QStringLiteral("tajne"))) << "never stored in clear";
    EXPECT_EQ(Settings::DecryptValue(cipher), QStringLiteral("tajne"));
    EXPECT_TRUE(host.calls.isEmpty()) << "the global settings were not saved";
}

TEST_F(GeneralSettingsDlgOnScreenTest, LayoutKeepsThePanelWidthAndTheButtonsAtTheEdges)
{
    GeneralSettingsDlg dialog(manager);
    dialog.show();
    TestApplication::ProcessEventsUntil([&dialog] { return dialog.isVisible(); });
    KeepScreenshot(dialog.grab(), QStringLiteral("general-settings-globals"));
    dialog.GetTaskPanel().ClickItem(dialog.GetTaskPanel().GetAt(1));
    KeepScreenshot(dialog.grab(), QStringLiteral("general-settings-alerts"));

    QWidget* panel = dialog.GetTaskPanelView();
    QWidget* grid = dialog.GetGridView();
    QWidget* ok = dialog.GetButton(GeneralSettingsDlg::kOkId);
    QWidget* cancel = dialog.GetButton(GeneralSettingsDlg::kCancelId);
    QWidget* restore = dialog.GetButton(GeneralSettingsDlg::kRestoreDefaultsId);
    EXPECT_GT(dialog.width(), panel->width() * 2) << "the grid gets most of the width";
    EXPECT_LT(panel->geometry().right(), grid->geometry().left());
    EXPECT_LT(restore->geometry().right(), ok->geometry().left());
    EXPECT_LT(ok->geometry().right(), cancel->geometry().left());

    const QRect panelBefore = panel->geometry();
    const QRect gridBefore = grid->geometry();
    const QRect okBefore = ok->geometry();
    const QRect cancelBefore = cancel->geometry();
    const QRect restoreBefore = restore->geometry();
    dialog.resize(dialog.size() + QSize(200, 100));
    TestApplication::ProcessEventsUntil([&] { return panel->height() != panelBefore.height(); });

    EXPECT_EQ(panel->width(), panelBefore.width());
    EXPECT_EQ(panel->height(), panelBefore.height() + 100);
    EXPECT_EQ(grid->width(), gridBefore.width() + 200);
    EXPECT_EQ(grid->height(), gridBefore.height() + 100);
    EXPECT_EQ(ok->geometry(), okBefore.translated(200, 100));
    EXPECT_EQ(cancel->geometry(), cancelBefore.translated(200, 100));
    EXPECT_EQ(restore->geometry(), restoreBefore.translated(0, 100));
}
