#pragma once
// One alert kept in the user's cloud account: its name, the instrument it watches (by ISIN), a
// buy and a sell side of one condition each, the notification channels and the once-only flag,
// and the server's ids and state. Its XML is the alert element of the REST requests and
// answers. Held by shared pointer everywhere.
//
// Operators are -1 (none) or 0 to 5 inside the program and another numbering on the wire.
// Values travel with '.' as the decimal separator whatever the process locale.

#include <QString>

#include <cstdint>
#include <vector>

class Asset;
class ProviderBase;
class XMLElement;

class CloudAlertData
{
public:
    // Options of SetOption: 0 to 4 are bits of the notifications byte, 5 is the once flag.
    static constexpr int kOptionOnce = 5;
    static constexpr std::uint8_t kPushBit = 0x02;
    static constexpr std::uint8_t kMailBit = 0x04;
    static constexpr std::uint8_t kSmsBit = 0x10;
    static constexpr std::uint8_t kSoundBit = 0x20;
    static constexpr std::uint8_t kWindowBit = 0x40;

    // Side codes of the side letters "B", "S" and "N".
    static constexpr int kSideBuy = 0;
    static constexpr int kSideSell = 1;
    static constexpr int kSideBoth = 2;

    // Takes a fresh unique id.
    CloudAlertData();

    QString name;
    QString isin;
    QString instrument;
    bool instrumentFound = false;
    bool deletePending = false;
    std::int32_t precision = -1;
    std::int32_t id = 0;
    QString uniqueId;
    bool once = false;
    std::int32_t status = 10;
    std::int32_t status2 = 0;
    bool sellDefined = false;
    std::int32_t sellItemType = 0;
    std::int32_t sellOperator = -1;
    double sellValue = 0.0;
    bool buyDefined = false;
    std::int32_t buyItemType = 0;
    std::int32_t buyOperator = -1;
    double buyValue = 0.0;
    std::uint8_t notifications = 0;

    QString GetInstrument() const { return instrument; }
    QString GetName() const { return name; }
    void SetName(const QString& newName) { name = newName; }
    // Options 0 to 4 set or clear their bit, 5 the once flag; other numbers do nothing.
    void SetOption(int option, bool on);

    // Reads one alert element of an answer; a missing child leaves its field as it is.
    void ReadFromXml(const XMLElement& element);
    // The request element holding the record, without a prolog; an edit carries no unique id.
    static QString WriteRequestXml(const CloudAlertData& record, bool forEdit);
    // Finds the record's instrument in the list by ISIN (or, for an instrument without ISIN, by
    // ticker) and takes its long name and the precision of its price series from the provider.
    static void ResolveInstrument(CloudAlertData& record, const std::vector<Asset>& instruments,
                                  const ProviderBase& provider);

    // A fresh unique id: 32 upper-case hexadecimal digits.
    static QString NewUniqueId();
    static std::int32_t OperatorToWire(std::int32_t internalOperator);
    static std::int32_t OperatorFromWire(std::int32_t wireOperator);
    // The side code of a letter given as its character code (low 8 bits); -1 for another letter.
    static int SideFromCharacterCode(std::int32_t code);
};
