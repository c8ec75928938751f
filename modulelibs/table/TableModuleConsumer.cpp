#include "modulelibs/table/TableModuleConsumer.h"

TableModuleConsumer::TableModuleConsumer()
    : ModuleConsumer({QStringLiteral("Table"), QStringLiteral(".q4t"),
                      QStringLiteral("Pliki tabel notowań (*.q4t)|*.q4t"), QStringLiteral("Tabela"),
                      QStringLiteral(".q5t"), QStringLiteral("tabeli notowań")})
{
}

bool TableModuleConsumer::ShowNewTable(QWidget* view)
{
    return CannotOpenWindow(QStringLiteral("ShowNewTable"), __LINE__);
}

bool TableModuleConsumer::GetAllAssetsAndAssetsGroupId(std::set<Asset>& assets, std::set<AssetsGroupId>& groups) const
{
    // No table is open, so there is no current table's content to give.
    return false;
}

void TableModuleConsumer::UpdateConnectedWindowData(const std::vector<ConnectedWindowData>& windows)
{
    m_connectedWindows = windows;
}
