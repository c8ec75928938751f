#include "modulelibs/table/TablesStateLog.h"

#include "modulelibs/table/QuoteTableWindow.h"
#include "platform/base/AppPaths.h"
#include "platform/base/AtomicFile.h"
#include "platform/base/Log.h"

#include <QDir>
#include <QStringList>

QString TablesStateLog::Describe(const std::vector<QuoteTableWindow*>& tables)
{
    QString out = QStringLiteral("TableModule: %1 tabel\n").arg(tables.size());
    int number = 0;
    for (const QuoteTableWindow* table : tables)
    {
        const QuoteTableModel& model = table->Model();
        QStringList instruments;
        for (const Asset& asset : model.Instruments())
            instruments << QStringLiteral("%1/%2").arg(asset.GetShortName(), asset.GetMarket());
        QStringList columns;
        for (const QuoteTableColumn* column : model.VisibleColumns())
            columns << model.HeaderOf(*column);
        out += QStringLiteral("Tabela %1 \"%2\"\n  instrumenty (%3): %4\n  kolumny: %5\n  sortowanie: pole %6 %7\n")
                   .arg(++number)
                   .arg(model.Name())
                   .arg(instruments.size())
                   .arg(instruments.join(QStringLiteral(", ")), columns.join(QStringLiteral(", ")))
                   .arg(model.SortField())
                   .arg(model.SortAscending() ? QStringLiteral("rosnąco") : QStringLiteral("malejąco"));
    }
    return out;
}

bool TablesStateLog::Write(const std::vector<QuoteTableWindow*>& tables)
{
    const QString folder = QDir(AppPaths::AppDataFolder()).filePath(QStringLiteral("TableModule"));
    QString errorText;
    if (AppPaths::EnsureFolder(folder)
        && AtomicFile::Write(QDir(folder).filePath(QStringLiteral("logTablesState.txt")), Describe(tables).toUtf8(), &errorText))
        return true;
    Log::WriteError(errorText.isEmpty() ? QStringLiteral("Nie można utworzyć folderu \"%1\".").arg(folder) : errorText,
                    QStringLiteral("TableModule"), QStringLiteral("TablesStateLog::Write"), __LINE__);
    return false;
}
