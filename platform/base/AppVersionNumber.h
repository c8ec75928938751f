#pragma once
// The program's version and the version texts stored with its data: four dot-separated
// unsigned parts, compared part by part.

#include <QString>

#include <array>
#include <compare>
#include <optional>

class AppVersionNumber
{
public:
    AppVersionNumber() = default;
    AppVersionNumber(quint32 major, quint32 minor, quint32 release, quint32 build);

    // Exactly four parts of decimal digits that fit in 32 bits; anything else is no version.
    static std::optional<AppVersionNumber> FromString(const QString& text);
    // The version of this program, "4.2.210.1".
    static AppVersionNumber Current();

    // Index 0 is the leftmost part; an index outside 0..3 gives 0.
    quint32 Part(int index) const;
    QString ToString() const;

    friend bool operator==(const AppVersionNumber&, const AppVersionNumber&) = default;
    friend std::strong_ordering operator<=>(const AppVersionNumber&, const AppVersionNumber&) = default;

private:
    std::array<quint32, 4> m_parts{};
};

// The text when it holds exactly three '.' after its first character, else an empty text.
QString NormalizeVersionString(const QString& text);
// The program's own version, normalised.
QString GetAppVersionString();
