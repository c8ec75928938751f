#include "core/mediator/PrintDialogLibrary.h"

#include "core/print/PrintDialogExport.h"
#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace PrintDialogLibrary
{
PrintDialogBase* Create(const std::shared_ptr<IPrintSource>& source, QWidget* window,
                        const PrintDialogBase::ClosedCallback& closed, QString& errorText)
{
    using Factory = decltype(&Q4CreatePrintDialog);
    // Beside the running executable, wherever the program keeps its files. Never unloaded: the
    // dialog's code lives in it until the program ends.
    QLibrary library(QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(kPrintDialogLibraryName)));
    const auto create = reinterpret_cast<Factory>(library.resolve(kCreatePrintDialogExport));
    if (!create)
    {
        errorText = library.errorString();
        return nullptr;
    }
    return create(source, window, closed);
}
}
