#pragma once
// The quote tables' diagnostic state for "Wykonaj logowanie.": every open table with its name,
// instruments, visible columns and sort order, written as "TableModule/logTablesState.txt" in
// the application-data folder, replaced at each logging.

#include <vector>

class QString;
class QuoteTableWindow;

class TablesStateLog
{
public:
    static QString Describe(const std::vector<QuoteTableWindow*>& tables);
    // False, with the reason in the log, when the file could not be written.
    static bool Write(const std::vector<QuoteTableWindow*>& tables);
};
