#include "core/ui/Quorvanta4App.h"

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
    Log::Close();
    LogBuffer::Close();
}

bool Quorvanta4App::InitInstance()
{
    m_mainWindow = std::make_unique<QMainWindow>();
    m_mainWindow->setWindowTitle(ProductName());
    m_mainWindow->resize(1280, 800);
    m_mainWindow->show();
    return true;
}

int Quorvanta4App::ExitInstance()
{
    m_mainWindow.reset();
    return 0;
}
