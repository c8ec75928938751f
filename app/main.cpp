#include "app/ClassicEditionSetup.h"
#include "core/app/Quorvanta4App.h"
#include "platform/base/AppPaths.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(AppPaths::kProductName));
    QApplication::setOrganizationName(QStringLiteral("Kelvora"));

    Quorvanta4App app(MakeClassicEditionSetup(), QApplication::arguments().mid(1));
    if (!app.InitInstance())
        return app.ExitInstance();
    const int result = QApplication::exec();
    app.ExitInstance();
    return result;
}
