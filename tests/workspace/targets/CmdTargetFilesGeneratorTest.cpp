#include "modulelibs/filesgen/FilesGenModule.h"
#include "modulelibs/filesgen/FilesGenModuleConsumer.h"
#include "platform/modules/PluginBase.h"
#include "tests/support/SimFeedProvider.h"
#include "tests/support/TempHome.h"
#include "tests/support/ui/ScopedFakeDialogs.h"
#include "tests/support/ui/TestApplication.h"
#include "workspace/targets/CmdTargetFilesGenerator.h"

#include <QDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace
{
FilesGenModuleConsumer* Generator() { return static_cast<FilesGenModuleConsumer*>(GetAppFilesGeneratorConsumer()); }

class CmdTargetFilesGeneratorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        PluginBase::Init(&m_mediator);
        m_view = std::make_unique<QWidget>();
        CmdTargetFilesGenerator::Services services;
        services.consumer = [] { return GetAppFilesGeneratorConsumer(); };
        services.activeModuleWnd = [] { return Generator()->Window(); };
        services.activePanelView = [this] { return m_view.get(); };
        services.chooseManyAssets = [this](QWidget* parent, std::set<Asset>& assets, std::set<AssetsGroupId>& groups) {
            m_chooserParent = parent;
            m_offered = assets;
            assets = m_chosen;
            groups = {{QStringLiteral("WIG20")}};
            return m_chooserOk;
        };
        services.quickAddInstrument = [this](ModuleWndBase& window, const QuickAddAssetReceiver& receiver) {
            receiver(&window, m_provider.GetAllAssets().at(4));
        };
        m_target = std::make_unique<CmdTargetFilesGenerator>(std::move(services));
    }
    void TearDown() override
    {
        m_view.reset();
        PluginBase::NullifyAppMediator();
    }

    FilesGenWindow* Open()
    {
        EXPECT_TRUE(Generator()->ShowFilesGeneratorDlg(m_view.get(), &m_provider.GetAllAssets().at(0), 0));
        Generator()->Window()->Generator().SetOutputFolder(QDir(m_home.Path()).filePath(QStringLiteral("a/b")));
        return Generator()->Window();
    }
    CmdUI Update(std::uint32_t id)
    {
        CmdUI cmdUI(id, nullptr);
        EXPECT_TRUE(m_target->UpdateCommandUI(cmdUI)) << id;
        return cmdUI;
    }
    std::vector<Asset> Assets() const { return Generator()->Window()->Generator().Assets(); }

    TempHome m_home;
    ScopedFakeDialogs m_dialogs;
    SimFeedProvider m_provider;
    SimFeedMediator m_mediator{&m_provider};
    std::unique_ptr<QWidget> m_view;
    std::unique_ptr<CmdTargetFilesGenerator> m_target;
    std::set<Asset> m_offered;
    std::set<Asset> m_chosen;
    bool m_chooserOk = true;
    QWidget* m_chooserParent = nullptr;
};
}

TEST_F(CmdTargetFilesGeneratorTest, WithoutAWindowTheCommandsDoNothingAndTheLockStaysEnabled)
{
    ASSERT_FALSE(Generator()->IsWndOpened());
    for (const std::uint32_t id : {296u, 298u, 300u, 301u, 32797u, 311u})
        m_target->ExecuteCommand(id);
    EXPECT_FALSE(Generator()->IsWndOpened());
    EXPECT_TRUE(m_dialogs.Shell().OpenedUrls().empty()) << "no folder is made or opened for an empty path";
    const CmdUI lock = Update(296);
    EXPECT_EQ(lock.Enabled(), true);
    EXPECT_FALSE(lock.Checked().has_value());
    EXPECT_EQ(Update(300).Enabled(), false);
    EXPECT_EQ(Update(302).Enabled(), false);
    for (const std::uint32_t id : {298u, 301u, 311u})
        EXPECT_EQ(Update(id).Enabled(), true) << id;
}

TEST_F(CmdTargetFilesGeneratorTest, LockInsertRemoveAndHistoryActOnTheWindow)
{
    FilesGenWindow* window = Open();
    EXPECT_EQ(Update(302).Enabled(), true);

    m_target->ExecuteCommand(296);
    EXPECT_TRUE(window->Generator().AreColumnsLocked());
    EXPECT_EQ(Update(296).Checked(), 1);
    m_target->ExecuteCommand(296);
    EXPECT_EQ(Update(296).Checked(), 0);

    m_target->ExecuteCommand(298);
    EXPECT_EQ(Assets(), (std::vector<Asset>{m_provider.GetAllAssets().at(0), m_provider.GetAllAssets().at(4)}));

    EXPECT_EQ(Update(300).Enabled(), false) << "nothing selected";
    window->SelectRow(0);
    EXPECT_EQ(Update(300).Enabled(), true);
    m_target->ExecuteCommand(300);
    EXPECT_EQ(Assets(), std::vector<Asset>{m_provider.GetAllAssets().at(4)});
}

TEST_F(CmdTargetFilesGeneratorTest, ManageHandsTheChosenSetsBackOnlyOnOk)
{
    Open();
    const Asset first = m_provider.GetAllAssets().at(0);
    m_chosen = {m_provider.GetAllAssets().at(1), m_provider.GetAllAssets().at(2)};
    for (const std::uint32_t id : {301u, 32797u})
    {
        m_chooserOk = false;
        m_target->ExecuteCommand(id);
        EXPECT_EQ(Assets(), std::vector<Asset>{first}) << id << ": cancelled";
    }
    EXPECT_EQ(m_offered, std::set<Asset>{first});
    EXPECT_EQ(m_chooserParent, m_view.get());

    m_chooserOk = true;
    m_target->ExecuteCommand(32797);
    EXPECT_EQ(Assets(), (std::vector<Asset>{m_provider.GetAllAssets().at(1), m_provider.GetAllAssets().at(2)}));
    EXPECT_EQ(Generator()->Window()->Generator().Groups(), (std::set<AssetsGroupId>{{QStringLiteral("WIG20")}}));
}

TEST_F(CmdTargetFilesGeneratorTest, OpenFolderMakesTheMissingFolderAndShowsIt)
{
    Open();
    const QString folder = Generator()->GetOutputFolderPath();
    ASSERT_FALSE(QDir(folder).exists());
    m_target->ExecuteCommand(311);
    EXPECT_TRUE(QDir(folder).exists());
    ASSERT_EQ(m_dialogs.Shell().OpenedUrls().size(), 1u);
    EXPECT_EQ(m_dialogs.Shell().OpenedUrls().front(), QUrl::fromLocalFile(folder));
}
