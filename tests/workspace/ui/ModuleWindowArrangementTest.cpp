#include "tests/workspace/ui/FrameFixture.h"

#include "platform/modules/ModuleWndBase.h"
#include "ribbon/galleries/DynamicGallery.h"
#include "tests/support/ui/TestApplication.h"
#include "workspace/engine/IDesktopModules.h"
#include "workspace/engine/PanelStateFiles.h"
#include "workspace/ui/FrameDesktopHost.h"
#include "workspace/ui/ModuleWindowFrame.h"
#include "workspace/ui/PanelView.h"
#include "workspace/ui/WindowsGalleryHelper.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

namespace
{
// A module whose window files hold the window's text, and which reopens them as new windows.
class WindowFileModule : public FakeModule<IGenericModule>
{
public:
    WindowFileModule() : FakeModule<IGenericModule>(QStringLiteral("Okna"), QStringLiteral(".okno")) {}

    bool SaveWindowToFile(QWidget* window, const QString& path, int, bool) override
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(window->windowTitle().toUtf8()) > 0;
    }
    bool OpenWindowFromFile(QWidget* parent, const QString& path, bool) override
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        auto* window = new FakeModuleWnd(this, nullptr, parent);
        window->setWindowTitle(QString::fromUtf8(file.readAll()));
        window->resize(200, 150);
        window->show();
        return true;
    }
};

class Modules : public IDesktopModules
{
public:
    explicit Modules(IGenericModule& module) : m_module(module) {}
    IGenericModule* GetModuleByName(const QString& name) const override
    {
        return name == m_module.GetModuleName() ? &m_module : nullptr;
    }
    void SerialiseModulesStates(Settings&) override {}
    void SerialiseModulesStatesToQ5Format(Q5Settings&) override {}
    void UnserialiseModulesStates(const Settings&, const Settings&) override {}
    void PostUnserialiseModulesStates(const Settings&, const Settings&, QWidget*) override {}
    void BeginDesktopLoad(const Settings&) override {}
    void EndDesktopLoad() override {}
    void AfterDesktopLoaded() override {}
    void NotifySessionLoaded(QWidget*) override {}
    bool CanSavePanelSettingsToQ5Format() const override { return false; }
    bool SavePanelSettingsToQ5Format(Q5Settings&) override { return false; }

private:
    IGenericModule& m_module;
};
}

class ModuleWindowArrangementTest : public FrameFixture
{
protected:
    void SetUp() override
    {
        MakeFrame();
        frame->SetSessionLoaded(true);
    }

    FakeModuleWnd* Open(const QString& title)
    {
        auto* window = new FakeModuleWnd(&module, &windowTarget, ActiveView());
        window->setWindowTitle(title);
        window->resize(240, 160);
        window->show();
        window->ForceActivate();
        return window;
    }

    QRect OuterOf(const QWidget* window) const
    {
        return ModuleWindowFrame::Placement(*ActiveView()).OuterOf(window->geometry());
    }

    QStringList StackingTitles() const
    {
        QStringList titles;
        for (ModuleWndBase* window : ActiveView()->GetModuleWindows())
            titles << window->windowTitle();
        return titles;
    }
};

TEST_F(ModuleWindowArrangementTest, NewWindowsOpenAtFreeSpotsInTheirFramesWithoutCoveringEachOther)
{
    ActiveView()->resize(1200, 800);
    std::vector<FakeModuleWnd*> windows;
    for (int i = 0; i < 6; ++i)
        windows.push_back(Open(QStringLiteral("Okno %1").arg(i)));
    for (size_t i = 0; i < windows.size(); ++i)
    {
        EXPECT_TRUE(ActiveView()->rect().contains(OuterOf(windows[i]))) << i;
        EXPECT_EQ(windows[i]->size(), QSize(240, 160));
        for (size_t j = 0; j < i; ++j)
            EXPECT_FALSE(OuterOf(windows[i]).intersects(OuterOf(windows[j]))) << i << " " << j;
        // Each has its frame right under it, around it.
        ModuleWindowFrame* frame = ActiveView()->FrameOf(windows[i]);
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(frame->isVisible());
        EXPECT_EQ(frame->geometry(), OuterOf(windows[i]));
    }
}

TEST_F(ModuleWindowArrangementTest, TheCaptionMovesTheBorderResizesAndTheCloseButtonClosesTheWindow)
{
    ActiveView()->resize(1200, 800);
    FakeModuleWnd* other = Open(QStringLiteral("Inne"));
    FakeModuleWnd* window = Open(QStringLiteral("Tabela"));
    ModuleWindowFrame* frame = ActiveView()->FrameOf(window);
    ASSERT_NE(frame, nullptr);
    const QRect before = window->geometry();

    // A drag on the caption moves it; a click there activates the window first.
    other->ForceActivate();
    QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_EQ(this->frame->GetActiveModuleWnd(), window);
    QTest::mouseMove(frame, QPoint(140, 60));
    QTest::mouseRelease(frame, Qt::LeftButton, {}, QPoint(140, 60));
    EXPECT_EQ(window->geometry(), before.translated(100, 50));

    // A drag on the bottom right corner resizes it, not below the smallest size.
    const QPoint corner(frame->width() - 2, frame->height() - 2);
    QTest::mousePress(frame, Qt::LeftButton, {}, corner);
    QTest::mouseMove(frame, corner + QPoint(60, 40));
    QTest::mouseRelease(frame, Qt::LeftButton, {}, corner + QPoint(60, 40));
    EXPECT_EQ(window->size(), before.size() + QSize(60, 40));
    const QPoint newCorner(frame->width() - 2, frame->height() - 2);
    QTest::mousePress(frame, Qt::LeftButton, {}, newCorner);
    QTest::mouseMove(frame, newCorner - QPoint(1000, 1000));
    QTest::mouseRelease(frame, Qt::LeftButton, {}, newCorner - QPoint(1000, 1000));
    EXPECT_EQ(window->size(), ModuleWindowFrame::Placement(*ActiveView()).MinimumClient());

    // The close button closes it and the other window becomes the active one.
    const QPoint close = frame->CloseButtonRect().center();
    QTest::mouseClick(frame, Qt::LeftButton, {}, close);
    EXPECT_TRUE(window->isHidden());
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([&] { return this->frame->GetActiveModuleWnd() == other; }));
    EXPECT_FALSE(ActiveView()->FrameOf(window)->isVisible());
}

TEST_F(ModuleWindowArrangementTest, CtrlF4ClosesTheActiveWindowAndTheLastOneLeavesNoContext)
{
    FakeModuleWnd* first = Open(QStringLiteral("Pierwsze"));
    FakeModuleWnd* second = Open(QStringLiteral("Drugie"));
    ASSERT_TRUE(ContextTabShown());

    EXPECT_TRUE(frame->CloseActiveModuleWnd());
    EXPECT_TRUE(second->isHidden());
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([&] { return frame->GetActiveModuleWnd() == first; }));
    EXPECT_TRUE(ContextTabShown());

    // The last window gone: no window is active, no contextual tab stays, commands reach no window.
    delete first;
    EXPECT_TRUE(TestApplication::ProcessEventsUntil([&] { return !ContextTabShown(); }));
    EXPECT_EQ(frame->GetActiveModuleWnd(), nullptr);
    EXPECT_FALSE(frame->CloseActiveModuleWnd());
}

TEST_F(ModuleWindowArrangementTest, ClosingTheActiveWindowActivatesTheNextInStackingOrderNotInFocusOrder)
{
    FakeModuleWnd* a = Open(QStringLiteral("A"));
    FakeModuleWnd* b = Open(QStringLiteral("B"));
    FakeModuleWnd* c = Open(QStringLiteral("C"));
    for (FakeModuleWnd* window : {a, b, c})
        window->setFocusPolicy(Qt::StrongFocus);
    QApplication::setActiveWindow(frame.get());
    a->ForceActivate();
    ASSERT_TRUE(a->hasFocus());
    ASSERT_EQ(StackingTitles(), (QStringList{"A", "C", "B"}));

    EXPECT_TRUE(frame->CloseActiveModuleWnd());
    QCoreApplication::processEvents();
    EXPECT_EQ(frame->GetActiveModuleWnd(), c);
    EXPECT_EQ(StackingTitles().front(), QStringLiteral("C"));
}

TEST_F(ModuleWindowArrangementTest, CtrlTabCyclesThroughEveryWindowInStackingOrder)
{
    Open(QStringLiteral("A"));
    Open(QStringLiteral("B"));
    Open(QStringLiteral("C"));
    ASSERT_EQ(StackingTitles(), (QStringList{"C", "B", "A"}));

    QStringList activated;
    for (int i = 0; i < 3; ++i)
    {
        ASSERT_TRUE(frame->CycleModuleWnds(false));
        activated << frame->GetActiveModuleWnd()->windowTitle();
    }
    EXPECT_EQ(activated, (QStringList{"B", "A", "C"}));

    activated.clear();
    for (int i = 0; i < 3; ++i)
    {
        ASSERT_TRUE(frame->CycleModuleWnds(true));
        activated << frame->GetActiveModuleWnd()->windowTitle();
    }
    EXPECT_EQ(activated, (QStringList{"A", "B", "C"}));
    EXPECT_EQ(StackingTitles().front(), QStringLiteral("C"));

    // Through every change of order each frame lies right under its window.
    QCoreApplication::processEvents();
    const QObjectList& children = ActiveView()->children();
    for (ModuleWndBase* window : ActiveView()->GetModuleWindows())
    {
        const qsizetype at = children.indexOf(window);
        ASSERT_GT(at, 0);
        EXPECT_EQ(children[at - 1], ActiveView()->FrameOf(window)) << window->windowTitle().toStdString();
    }
}

TEST_F(ModuleWindowArrangementTest, TheWindowsGalleryListsTheShownWindowsAndBringsTheChosenOneUp)
{
    FakeModuleWnd* buried = Open(QStringLiteral("Wykres KLV"));
    Open(QStringLiteral("Tabela notowań"));
    FakeModuleWnd* hidden = Open(QStringLiteral("Ukryte"));
    hidden->hide();
    FakeModuleWnd* top = Open(QStringLiteral("Szczegóły KLV"));

    WindowsGalleryHelper helper(*frame);
    DynamicGallery gallery(nullptr, 33598);
    helper.Fill(gallery);
    QStringList captions;
    for (int i = 0; i < gallery.GetItemCount(); ++i)
        captions << gallery.GetItem(i)->GetCaption();
    EXPECT_EQ(captions, (QStringList{"Szczegóły KLV", "Tabela notowań", "Wykres KLV"}));
    EXPECT_EQ(gallery.GetCheckedItem(), 0u);

    helper.OnItemExecute(gallery, *gallery.GetItem(2));
    EXPECT_EQ(frame->GetActiveModuleWnd(), buried);
    EXPECT_EQ(ActiveView()->GetModuleWindows().front(), buried);
    EXPECT_NE(frame->GetActiveModuleWnd(), top);
}

TEST_F(ModuleWindowArrangementTest, ADesktopGivesBackEveryWindowsRectangleAndStackingOrder)
{
    WindowFileModule files;
    Modules modules(files);
    FrameDesktopHost host(*frame);
    PanelView* view = ActiveView();
    view->resize(1200, 800);
    const QRect rects[] = {{30, 40, 300, 200}, {200, 120, 420, 260}, {500, 60, 250, 380}, {10, 300, 640, 300}};
    for (int i = 0; i < 4; ++i)
    {
        auto* window = new FakeModuleWnd(&files, nullptr, view);
        window->setWindowTitle(QStringLiteral("Okno %1").arg(i));
        window->show();
        window->setGeometry(rects[i]);
    }
    // Raised out of their opening order.
    view->GetModuleWindows()[2]->raise();
    view->GetModuleWindows()[3]->raise();

    const auto saved = [&] {
        std::vector<std::pair<QString, QRect>> windows;
        for (const IDesktopHost::ModuleWindow& window : host.GetModuleWindows(view))
            windows.emplace_back(window.name, window.rect);
        return windows;
    };
    const auto before = saved();
    const QString panel = QDir(home.Path()).filePath(QStringLiteral("Ekran 1.q4s"));
    ASSERT_TRUE(PanelStateFiles::SavePanel(panel, host.GetModuleWindows(view), false));
    for (ModuleWndBase* window : view->GetModuleWindows())
        delete window;

    for (int run = 0; run < 2; ++run)
    {
        std::vector<IDesktopHost::RestoredWindow> restored;
        const auto windowsOfView = [&] {
            std::vector<QWidget*> windows;
            for (ModuleWndBase* window : view->GetModuleWindows())
                windows.push_back(window);
            return windows;
        };
        ASSERT_EQ(PanelStateFiles::RestorePanel(view, panel, modules, {windowsOfView, &restored}), 4);
        host.ArrangeRestoredWindows(view, restored);
        EXPECT_EQ(saved(), before) << run;
        // Saved again, the same windows in the same places and order.
        ASSERT_TRUE(PanelStateFiles::SavePanel(panel, host.GetModuleWindows(view), false));
        for (ModuleWndBase* window : view->GetModuleWindows())
            delete window;
    }
}

TEST_F(ModuleWindowArrangementTest, FramesHideWhileAStyleIsEditedAndComeBackAfter)
{
    FakeModuleWnd* window = Open(QStringLiteral("Tabela"));
    ModuleWindowFrame* windowFrame = ActiveView()->FrameOf(window);
    ASSERT_NE(windowFrame, nullptr);
    ASSERT_TRUE(windowFrame->isVisible());

    // Entering: the window is centred alone; leaving: it returns to its place after the mode ends.
    styleEdit->editedTarget = &windowTarget;
    window->move(300, 200);
    frame->UpdateFrameTitles();
    EXPECT_FALSE(windowFrame->isVisible());
    window->move(20, 40);
    styleEdit->editedTarget = nullptr;
    frame->UpdateFrameTitles();
    EXPECT_TRUE(windowFrame->isVisible());
    EXPECT_EQ(windowFrame->geometry(), OuterOf(window));
}
