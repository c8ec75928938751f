#include "modulelibs/filesgen/FilesGenModuleConsumer.h"

FilesGenModuleConsumer::FilesGenModuleConsumer()
    : ModuleConsumer({QStringLiteral("FilesGenerator"), QStringLiteral(".q4fg"),
                      QStringLiteral("Pliki generatora plików (*.q4fg)|*.q4fg"), QStringLiteral("Generator plików"),
                      QStringLiteral(".q5fg"), QStringLiteral("generatora plików")})
{
}

bool FilesGenModuleConsumer::ShowFilesGeneratorDlg(QWidget* view, const Asset* asset, int flags)
{
    return CannotOpenWindow(QStringLiteral("ShowFilesGeneratorDlg"), __LINE__);
}
