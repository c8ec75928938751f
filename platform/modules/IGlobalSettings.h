#pragma once
// The global settings as the module libraries read them: the list and CSV separators, how
// long a changed cell stays highlighted and the form of DDE references. Any thread may read
// them; they change on the main thread when the user saves the general settings.

#include <QChar>

class IGlobalSettings
{
public:
    // The forms of a DDE reference the program copies.
    static constexpr int kDDELabelTicker = 1;  // "=Kelvora|etykieta!ticker"
    static constexpr int kDDETickerLabel = 0;  // "=Kelvora|ticker!etykieta"

    virtual ~IGlobalSettings() = default;

    // 32 once the settings are made; the module libraries rely on the value.
    virtual int GetGlobalInteger() const = 0;
    virtual QChar GetValuesListSeparator() const = 0;
    virtual QChar GetValuesListSeparatorCSV() const = 0;
    // Milliseconds.
    virtual int GetCellValueChangeHighlightTime() const = 0;
    virtual int GetDDEConsumerFormat() const = 0;
};
