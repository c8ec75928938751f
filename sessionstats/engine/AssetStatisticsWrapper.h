#pragma once
// One slot of a top ten of the session statistics: the instrument it holds (none when the list
// is shorter), whether the instrument came into the top ten with the last statistics, and when
// it last did. The columns of a slot are those of the statistics grids: 0 "Spółka", 1 "Zmiana",
// 2 "Kurs (zł)", 3 "Obrót (zł)", 4 "Wolumen", 5 "Transakcje".

#include "platform/modules/AssetStatistics.h"

#include <QString>

#include <cstdint>
#include <memory>

class QFont;

class AssetStatisticsWrapper
{
public:
    static constexpr int kColumns = 6;

    // Null when the slot holds no instrument.
    const std::shared_ptr<const AssetStatistics>& Instrument() const { return m_instrument; }
    bool IsChanged() const { return m_changed; }
    // The tick count of the last change; 0 before the first.
    std::uint32_t ChangeTime() const { return m_changeTime; }

    // Empty for an empty slot.
    QString AssetName() const;
    // Columns 1 to 5 as numbers; 0.0 for column 0, any other column and an empty slot.
    double Value(int column) const;
    // The name, or the value with 2 decimals for the change and the price and none for the
    // rest; empty for an empty slot and a column out of range. With a font the text is
    // shortened to fit width pixels, which needs a QGuiApplication.
    QString Text(int column, const QFont* font = nullptr, int width = -1) const;
    // Whether first ranks above second when a grid is sorted by the column: the greater value,
    // or the name that compares above (case-sensitive). A slot with an instrument ranks above
    // an empty one; between two instruments a column out of range answers false.
    static bool Precedes(const AssetStatisticsWrapper& first, const AssetStatisticsWrapper& second, int column);

    // Empties the slot; the change time stays.
    void Clear();
    void Fill(std::shared_ptr<const AssetStatistics> instrument);
    void MarkChanged(std::uint32_t tick);

private:
    std::shared_ptr<const AssetStatistics> m_instrument;
    bool m_changed = false;
    std::uint32_t m_changeTime = 0;
};
