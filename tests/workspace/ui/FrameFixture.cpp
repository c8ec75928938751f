#include "tests/workspace/ui/FrameFixture.h"

#include "platform/modules/PluginBase.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"
#include "tests/support/ribbon/TestRibbonTab.h"
#include "tests/support/ui/TestApplication.h"
#include "workspace/ui/PanelFrame.h"
#include "workspace/ui/PanelView.h"
#include "workspace/ui/TabClientWnd.h"

#include <stdexcept>

RecordingTarget::RecordingTarget(QString name, std::set<std::uint32_t> ids, QStringList& log)
    : ids(std::move(ids))
    , m_name(std::move(name))
    , m_log(log)
{
}

bool RecordingTarget::OnCmdMsg(std::uint32_t id, int code, void* extra)
{
    if (!ids.contains(id))
        return false;
    if (code == kUpdateCode)
    {
        static_cast<CmdUI*>(extra)->Enable(true);
        m_log.append(QStringLiteral("%1:update:%2").arg(m_name).arg(id));
    }
    else if (code != kCommandCode || extra == nullptr)
        m_log.append(QStringLiteral("%1:%2").arg(m_name).arg(id));
    return true;
}

TestApplicationObject::TestApplicationObject(QStringList& log)
    : commands(QStringLiteral("application"), {}, log)
{
}

TestFrame::TestFrame(std::shared_ptr<IRibbonTabsCreatorsFactory> tabsCreators, CmdTargetMakers makers)
    : PulpitFrameQ4Classic(std::move(tabsCreators), std::move(makers))
{
}

bool TestFrame::CanCreate()
{
    switch (throwKind)
    {
    case 1:
        throw "brak pamięci";
    case 2:
        throw QStringLiteral("zły stan okna");
    case 3:
        throw std::runtime_error("błąd biblioteki");
    case 4:
        throw 42;
    default:
        return canCreate;
    }
}

void TestFrame::BeforeCleanResources()
{
    Tell(QStringLiteral("Frame"), QStringLiteral("BeforeCleanResources"));
    if (throwBeforeCleaning)
        throw std::runtime_error("sprzątanie nie powiodło się");
}

bool TestFrame::SaveLastSession()
{
    Tell(QStringLiteral("Frame"), QStringLiteral("SaveLastSession"));
    return savesLastSession ? PulpitFrameQ4Classic::SaveLastSession() : true;
}

void TestFrame::RestoreWindowPosition()
{
    resize(kDefaultWidth, kDefaultHeight);
    show();
}

const QStringList FrameFixture::kTargetNames = {QStringLiteral("general"),     QStringLiteral("alerts"),
                                                QStringLiteral("orders"),      QStringLiteral("statistics"),
                                                QStringLiteral("formations"),  QStringLiteral("formula")};

FrameFixture::FrameFixture()
{
    TestApplication::Ensure();
    TestConsumers::Instance().Reset();
    TakePluginEvents();
    folder.Add(QStringLiteral("Providers"), QStringLiteral("provider_good"));
    tabsCreators->Set("main", [](RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) {
        return std::make_shared<TestTabsCreator>(factory, ribbonBar, TestTabsCreator::Kind::Main, nullptr,
                                                 std::vector<TestTabsCreator::TabLayout>{{34101, RibbonTabLevelMain}});
    });
    tabsCreators->Set("charts", [this](RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) {
        return std::make_shared<TestTabsCreator>(factory, ribbonBar, TestTabsCreator::Kind::Module, &module,
                                                 std::vector<TestTabsCreator::TabLayout>{{kContextTabId, RibbonTabLevelContext}});
    });
}

FrameFixture::~FrameFixture()
{
    CloseFrame();
    AppMediator::DestroyInstance();
    PluginBase::NullifyAppMediator();
    TakePluginEvents();
}

AppMediator& FrameFixture::MakeMediator()
{
    AppMediatorSetup setup;
    setup.factory = factory;
    setup.settings = settings;
    setup.makeCloudModule = [this] { return cloud = std::make_shared<FakeCloudModule>(); };
    setup.makeSessionStatistics = [] { return std::make_shared<FakeSessionStatistics>(); };
    setup.popups = popups;
    setup.styleEditMode = styleEdit;
    mediator = AppMediator::Create(std::move(setup));
    mediator->SetApplicationObject(&application);
    EXPECT_TRUE(mediator->Init());
    TakePluginEvents();
    return *mediator;
}

TestFrame& FrameFixture::MakeFrame(bool start)
{
    if (mediator == nullptr)
        MakeMediator();
    frame = std::make_unique<TestFrame>(tabsCreators, makers);
    mediator->SetMainFrame(frame.get());
    if (start)
    {
        EXPECT_TRUE(frame->LoadFrame());
        frame->ShowFrame();
        frame->StartSession();
        frame->OnActivateApp(true);
    }
    return *frame;
}

void FrameFixture::CloseFrame()
{
    if (!frame)
        return;
    frame->close();
    frame.reset();
}

PanelFrame* FrameFixture::ActivePanel() const
{
    return frame && frame->GetTabClient() ? frame->GetTabClient()->GetActivePanel() : nullptr;
}

PanelView* FrameFixture::ActiveView() const
{
    PanelFrame* panel = ActivePanel();
    return panel ? panel->GetPanelView() : nullptr;
}

FakeModuleWnd* FrameFixture::AddModuleWindow(PanelView& view)
{
    auto* window = new FakeModuleWnd(&module, &windowTarget, &view);
    window->setGeometry(10, 10, 200, 150);
    window->show();
    return window;
}

bool FrameFixture::ContextTabShown() const
{
    const QuorvantaTab* tab = frame->GetRibbonsFactory()->FindTab(kContextTabId);
    return tab && tab->IsVisible();
}
