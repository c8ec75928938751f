#pragma once
// The application object: starts the program, owns the main window and ends it.

#include <QString>

#include <memory>

class QMainWindow;

class Quorvanta4App
{
public:
    Quorvanta4App();
    ~Quorvanta4App();

    Quorvanta4App(const Quorvanta4App&) = delete;
    Quorvanta4App& operator=(const Quorvanta4App&) = delete;

    // Prepares everything the main loop needs; false ends the program before the loop.
    bool InitInstance();
    int ExitInstance();

    QMainWindow* MainWindow() const { return m_mainWindow.get(); }

    static QString ProductName() { return QStringLiteral("Quorvanta 4"); }

private:
    std::unique_ptr<QMainWindow> m_mainWindow;
};
