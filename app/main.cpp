#include "core/ui/Quorvanta4App.h"
#include "workspace/ui/PulpitFrame.h"

#include <QApplication>

namespace
{
std::unique_ptr<QMainWindow> MakeMainFrame()
{
    auto frame = std::make_unique<PulpitFrame>(QCoreApplication::arguments().contains(QStringLiteral("--extended")));
    if (!frame->CreateRibbon())
        return nullptr;
    frame->CreateStatusBar();
    return frame;
}
}

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(Quorvanta4App::ProductName());
    QApplication::setOrganizationName(QStringLiteral("Kelvora"));

    Quorvanta4App app;
    if (!app.InitInstance(MakeMainFrame))
        return app.ExitInstance();
    const int result = QApplication::exec();
    app.ExitInstance();
    return result;
}
