#include "core/ui/Quorvanta4App.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(Quorvanta4App::ProductName());
    QApplication::setOrganizationName(QStringLiteral("Kelvora"));

    Quorvanta4App app;
    if (!app.InitInstance())
        return app.ExitInstance();
    const int result = QApplication::exec();
    app.ExitInstance();
    return result;
}
