#include "alerts/engine/BLAlert.h"
#include "app/AlertModuleEx.h"
#include "core/mediator/AppMediator.h"
#include "platform/modules/AlertExprArgDesc.h"
#include "platform/settings/Settings.h"
#include "tests/app/ClassicAppFixture.h"

#include <QDir>

namespace
{
class DesktopLoadQ4ClassicTest : public ClassicAppFixture
{
protected:
    AlertModule& Alerts() const { return dynamic_cast<AlertModuleEx&>(*Mediator().GetAlertModule()).Module(); }

    // A buy side on the session statistics' turnover, a source the program always has.
    void AddAlert(const QString& name)
    {
        const AlertExprArgDesc turnover(QStringLiteral("SessionStatistics"), 11, QStringLiteral("obrót"), QString());
        auto alert = std::make_shared<BLAlert>(Alerts());
        alert->Properties().SetName(name);
        alert->BuySide().SetSideEnabled(true);
        SimpleExpr& expression = alert->BuySide().InsertExpression(0);
        expression.SetArgument(SimpleExpr::eLeft, turnover);
        expression.SetConstant(SimpleExpr::eRight, ConstArgumentValue(1e12, 2));
        expression.SetCompareOperator(eCmpGreater);
        Alerts().AddAlert(alert);
    }

    QStringList AlertNames() const
    {
        QStringList names;
        for (const std::uint32_t id : Alerts().Alerts().Ids())
            names << Alerts().GetAlertName(id);
        names.sort();
        return names;
    }
};

enum class Layout
{
    Oldest,             // root "Desktop", the consumers' states directly under it
    WithoutModules,     // root "LastSession" without "ModulesStates"
    SavedWithoutAlerts  // the module's node is there, its list empty
};

void WriteDesktop(const QString& path, Layout layout)
{
    ::Settings tree;
    Settings& desktop = layout == Layout::Oldest ? tree : tree[QStringLiteral("Desktop")];
    Settings& panel = desktop.AddUnnamed();
    panel[QStringLiteral("PanelName")] = QStringLiteral("Ekran 1");
    panel[QStringLiteral("Active")] = true;
    if (layout == Layout::Oldest)
        tree[QStringLiteral("Consumers")];
    if (layout == Layout::SavedWithoutAlerts)
        tree[QStringLiteral("ModulesStates")][QStringLiteral("AlertModule")][QStringLiteral("AllAlerts")];
    ASSERT_TRUE(tree.SaveToFile(path, layout == Layout::Oldest ? QStringLiteral("Desktop") : QStringLiteral("LastSession")));
}
}

TEST_F(DesktopLoadQ4ClassicTest, ADesktopWithoutAlertsKeepsTheUsersAlertsAcrossARestart)
{
    const QStringList defined{QStringLiteral("pierwszy"), QStringLiteral("drugi")};
    for (const Layout layout : {Layout::Oldest, Layout::WithoutModules, Layout::SavedWithoutAlerts})
    {
        SCOPED_TRACE(static_cast<int>(layout));
        const QString path = QDir(home.Path()).filePath(QStringLiteral("Stary %1.q4s").arg(static_cast<int>(layout)));
        WriteDesktop(path, layout);
        ASSERT_TRUE(Start());
        for (const QString& name : defined)
            if (!Alerts().Alerts().FindIdByName(name))
                AddAlert(name);
        ASSERT_EQ(AlertNames().size(), 2);

        ASSERT_TRUE(Mediator().OpenFileByExtension(path, true));
        EXPECT_EQ(AlertNames(), QStringList({QStringLiteral("drugi"), QStringLiteral("pierwszy")}));
        Exit();
        EXPECT_TRUE(LogText().contains(QStringLiteral("Wczytywany pulpit nie zawiera alertów")));

        ASSERT_TRUE(Start());
        EXPECT_EQ(AlertNames(), QStringList({QStringLiteral("drugi"), QStringLiteral("pierwszy")}));
        Exit();
    }
}

TEST_F(DesktopLoadQ4ClassicTest, ADesktopThatHoldsAlertsPutsThemInPlaceOfTheCurrentOnes)
{
    ASSERT_TRUE(Start());
    AddAlert(QStringLiteral("zapisany"));
    const QString path = QDir(home.Path()).filePath(QStringLiteral("Z alertem.q4s"));
    ::Settings tree;
    ::Settings& panel = tree[QStringLiteral("Desktop")].AddUnnamed();
    panel[QStringLiteral("PanelName")] = QStringLiteral("Ekran 1");
    Alerts().SerialisePanelState(tree[QStringLiteral("ModulesStates")][QStringLiteral("AlertModule")]);
    ASSERT_TRUE(tree.SaveToFile(path, QStringLiteral("LastSession")));
    Alerts().RemoveAllAlerts();
    AddAlert(QStringLiteral("nowy"));

    ASSERT_TRUE(Mediator().OpenFileByExtension(path, true));
    EXPECT_EQ(AlertNames(), QStringList({QStringLiteral("zapisany")}));
    Exit();
}
