#include "core/ui/Quorvanta4App.h"

#include <QMainWindow>

Quorvanta4App::Quorvanta4App() = default;

Quorvanta4App::~Quorvanta4App() = default;

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
