#include "platform/ui/QtPolishTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include <memory>

bool QtPolishTranslations::Install(QString* errorText)
{
    static QPointer<QTranslator> installed;
    if (installed)
        return true;
    QCoreApplication* application = QCoreApplication::instance();
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto translator = std::make_unique<QTranslator>();
    if (application == nullptr
        || !translator->load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"), QStringLiteral("_"), folder)
        || !QCoreApplication::installTranslator(translator.get()))
    {
        if (errorText)
            *errorText = QStringLiteral("brak katalogu qtbase_pl.qm w %1").arg(folder);
        return false;
    }
    translator->setParent(application);
    installed = translator.release();
    return true;
}
