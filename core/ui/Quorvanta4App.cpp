#include "core/ui/Quorvanta4App.h"

#include "core/engine/BLProvidersManager.h"
#include "core/engine/ConsumerManagerQ4Classic.h"
#include "core/engine/PluginLifecycle.h"
#include "platform/base/Log.h"
#include "platform/base/LogBuffer.h"

#include <QMainWindow>

Quorvanta4App::Quorvanta4App()
{
    Log::Init();
    LogBuffer::Init();
    Log::WriteInfo(QStringLiteral("START QUORVANTA"), ProductName(), QStringLiteral("Quorvanta4App::Quorvanta4App"), __LINE__);
}

Quorvanta4App::~Quorvanta4App()
{
    EndPlugins();
    Log::Close();
    LogBuffer::Close();
}

bool Quorvanta4App::LoadPlugins()
{
    m_consumerManager = std::make_shared<ConsumerManagerQ4Classic>(BuiltInConsumerAccessors::Standard(), ConsumerManager::Hooks());
    m_providersManager = std::make_shared<BLProvidersManager>();
    m_providersManager->Load();
    m_consumerManager->Load();
    // No stored choice yet: the first provider loaded becomes the default one.
    if (!m_providersManager->SetDefaultProviderByName(QString()))
    {
        Log::WriteError(QStringLiteral("Nie wczytano żadnego dostawcy danych z folderu \"%1\".")
                            .arg(m_providersManager->GetFolderPath()),
                        ProductName(), QStringLiteral("Quorvanta4App::LoadPlugins"), __LINE__);
        return false;
    }
    return true;
}

void Quorvanta4App::EndPlugins()
{
    if (m_providersManager && m_consumerManager)
    {
        PluginLifecycle::StopWork(*m_providersManager, *m_consumerManager);
        PluginLifecycle::ShutDown(*m_providersManager, *m_consumerManager);
    }
    m_providersManager.reset();
    m_consumerManager.reset();
}

bool Quorvanta4App::InitInstance(const MainWindowFactory& makeMainWindow)
{
    if (!LoadPlugins())
        return false;
    m_mainWindow = makeMainWindow();
    if (!m_mainWindow)
        return false;
    m_mainWindow->setWindowTitle(ProductName());
    m_mainWindow->resize(1280, 800);
    m_mainWindow->show();
    return true;
}

int Quorvanta4App::ExitInstance()
{
    m_mainWindow.reset();
    EndPlugins();
    return 0;
}
