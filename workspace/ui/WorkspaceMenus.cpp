#include "workspace/ui/WorkspaceMenus.h"

#include "platform/ui/StringTable.h"
#include "workspace/ui/WorkspaceCommandIds.h"

using namespace WorkspaceIds;

namespace
{
MenuItem FromStrings(std::uint32_t id)
{
    return MenuItem::Command(id, StringTable::Instance().Caption(id));
}

std::vector<MenuItem> TabPopup(std::uint32_t towardsStart, const QString& startText, std::uint32_t towardsEnd,
                               const QString& endText)
{
    return {MenuItem::Command(ID_NEW_SCREEN, QStringLiteral("Nowy")),
            MenuItem::Command(ID_SCREEN_CLOSE, QStringLiteral("Zamknij")),
            MenuItem::Command(ID_SCREEN_RENAME, QStringLiteral("Zmień nazwę")),
            MenuItem::Separator(),
            MenuItem::Command(towardsStart, startText),
            MenuItem::Command(towardsEnd, endText)};
}
}

MenuTable WorkspaceMenus::MainMenu()
{
    return {MenuItem::Popup(QStringLiteral("&File"),
                            {
                                MenuItem::Command(ID_OPEN_WINDOW, QStringLiteral("Otwórz okno")),
                                MenuItem::Command(ID_SAVE_WINDOW, QStringLiteral("Zapisz okno...\tCtrl+S")),
                                MenuItem::Command(ID_SAVE_WINDOW_Q5, QStringLiteral("Zapisz okno do formatu wersji 5")),
                                MenuItem::Command(ID_OPEN_DESKTOP, QStringLiteral("Otwórz pulpit")),
                                MenuItem::Command(ID_SAVE_DESKTOP, QStringLiteral("Zapisz pulpit...")),
                                MenuItem::Command(ID_SAVE_DESKTOP_Q5, QStringLiteral("Zapisz pulpit do formatu wersji 5")),
                                MenuItem::Command(ID_CONFIGURE_PROVIDERS, QStringLiteral("Konfiguruj źródła danych")),
                                MenuItem::Command(ID_UPDATE_PROGRAM, QStringLiteral("Aktualizuj program")),
                                MenuItem::Command(ID_PRINT, QStringLiteral("Drukuj...")),
                                MenuItem::Command(ID_OPTIONS, QStringLiteral("Opcje...")),
                                MenuItem::Command(ID_FILES_GENERATOR, QStringLiteral("Pliki CSV")),
                                MenuItem::Command(ID_APP_ABOUT, QStringLiteral("O programie...")),
                                MenuItem::Command(ID_HELP, QStringLiteral("Pomoc")),
                                MenuItem::Command(ID_APP_EXIT, QStringLiteral("Zamknij")),
                            })};
}

MenuTable WorkspaceMenus::StyleEditMenu()
{
    return {MenuItem::Popup(QString(),
                            {
                                MenuItem::Command(ID_APP_ABOUT, QStringLiteral("O programie...")),
                                MenuItem::Command(ID_HELP, QStringLiteral("Pomoc")),
                                MenuItem::Command(ID_APP_EXIT, QStringLiteral("Zamknij")),
                            })};
}

MenuTable WorkspaceMenus::OpenWindowMenu()
{
    return {MenuItem::Popup(QString(),
                            {FromStrings(ID_OPEN_CHART), FromStrings(ID_OPEN_TABLE), FromStrings(ID_OPEN_DETAILS),
                             FromStrings(ID_OPEN_OFFERS), FromStrings(ID_OPEN_TRANSLIST), FromStrings(ID_OPEN_ORDERS_SHEET),
                             FromStrings(ID_OPEN_TRANSACTIONS_MONITOR)})};
}

MenuTable WorkspaceMenus::TabMenu()
{
    return {MenuItem::Popup(QStringLiteral("TopBottom"), TabPopup(ID_SCREEN_MOVE_UP, QStringLiteral("Przesuń w górę"),
                                                                  ID_SCREEN_MOVE_DOWN, QStringLiteral("Przesuń w dół"))),
            MenuItem::Popup(QStringLiteral("LeftRight"), TabPopup(ID_SCREEN_MOVE_LEFT, QStringLiteral("Przesuń w lewo"),
                                                                  ID_SCREEN_MOVE_RIGHT, QStringLiteral("Przesuń w prawo")))};
}
