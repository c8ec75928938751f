#pragma once
// The application object: starts the program, owns the main window and ends it.

#include <QString>

#include <functional>
#include <memory>

class BLProvidersManager;
class ConsumerManager;
class QMainWindow;

class Quorvanta4App
{
public:
    Quorvanta4App();
    ~Quorvanta4App();

    Quorvanta4App(const Quorvanta4App&) = delete;
    Quorvanta4App& operator=(const Quorvanta4App&) = delete;

    // Makes the main window; null when it cannot be made.
    using MainWindowFactory = std::function<std::unique_ptr<QMainWindow>()>;

    // Prepares everything the main loop needs; false ends the program before the loop.
    bool InitInstance(const MainWindowFactory& makeMainWindow);
    int ExitInstance();

    QMainWindow* MainWindow() const { return m_mainWindow.get(); }
    BLProvidersManager* ProvidersManager() const { return m_providersManager.get(); }
    ConsumerManager* GetConsumerManager() const { return m_consumerManager.get(); }

    static QString ProductName() { return QStringLiteral("Quorvanta 4"); }

private:
    // Loads the data providers and the module libraries and chooses the default provider;
    // false when no provider could be the default one. The application mediator takes this
    // over when it is built.
    bool LoadPlugins();
    void EndPlugins();

    std::unique_ptr<QMainWindow> m_mainWindow;
    std::shared_ptr<ConsumerManager> m_consumerManager;
    std::shared_ptr<BLProvidersManager> m_providersManager;
};
