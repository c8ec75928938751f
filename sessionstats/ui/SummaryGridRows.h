#pragma once
// The rows of the summary grid: a header and five data rows for rises beside turnover, then a
// header and five data rows for falls beside transactions. Columns 0 to 2 (name, change, price)
// show the left kind, columns 3 to 6 (name, turnover or transactions, change, price) the right
// kind. Data row i shows slot i of both kinds' top tens. Main thread only.

#include "sessionstats/engine/AssetStatisticsWrapper.h"

#include <QString>

#include <array>

class SummaryGridObject;

class SummaryGridRowBase
{
public:
    static constexpr int kColumns = 7;
    // Alignment of a column's text.
    static constexpr int kLeft = 0;
    static constexpr int kCentre = 1;
    static constexpr int kRight = 2;

    SummaryGridRowBase(const SummaryGridObject& owner, int leftKind, int rightKind)
        : m_owner(owner), m_leftKind(leftKind), m_rightKind(rightKind) {}
    virtual ~SummaryGridRowBase() = default;

    virtual bool IsHeader() const = 0;
    // The stored text; empty outside the columns.
    QString GetColumnText(int column) const;
    // The stored texts again from the slots (header rows keep theirs).
    virtual void Update() {}
    // The height of the row's text.
    virtual int GetHeight() const = 0;
    // The text of the column now; empty outside the columns.
    virtual QString GetDisplayText(int column) const = 0;
    virtual int GetAlignment(int column) const = 0;

    int LeftKind() const { return m_leftKind; }
    int RightKind() const { return m_rightKind; }
    // The kind a column shows.
    int KindOf(int column) const { return column < 3 ? m_leftKind : m_rightKind; }

protected:
    const SummaryGridObject& m_owner;
    std::array<QString, kColumns> m_texts;

private:
    int m_leftKind;
    int m_rightKind;
};

class SummaryGridHeaderRow : public SummaryGridRowBase
{
public:
    // top: "Wzrosty" beside "Obroty"; else "Spadki" beside "Transakcje".
    SummaryGridHeaderRow(const SummaryGridObject& owner, bool top);

    static constexpr int kHeight = 24;

    bool IsHeader() const override { return true; }
    int GetHeight() const override { return kHeight; }
    QString GetDisplayText(int column) const override { return GetColumnText(column); }
    int GetAlignment(int) const override { return kCentre; }
};

class SummaryGridDataRow : public SummaryGridRowBase
{
public:
    SummaryGridDataRow(const SummaryGridObject& owner, int leftKind, int rightKind, const AssetStatisticsWrapper* left,
                       const AssetStatisticsWrapper* right);

    bool IsHeader() const override { return false; }
    void Update() override;
    int GetHeight() const override;
    QString GetDisplayText(int column) const override;
    int GetAlignment(int column) const override { return column == 0 || column == 3 ? kLeft : kRight; }

    // The slot of a column's half; null before the rows are bound.
    const AssetStatisticsWrapper* SlotOf(int column) const { return column < 3 ? m_left : m_right; }

protected:
    // The slot column that summary column 4 shows.
    virtual int FourthColumnSource() const = 0;

private:
    QString Format(int column) const;

    const AssetStatisticsWrapper* m_left;
    const AssetStatisticsWrapper* m_right;
};

// Rises beside turnover.
class SummaryGridTopDataRow : public SummaryGridDataRow
{
public:
    SummaryGridTopDataRow(const SummaryGridObject& owner, const AssetStatisticsWrapper* left,
                          const AssetStatisticsWrapper* right);

protected:
    int FourthColumnSource() const override { return 3; }
};

// Falls beside transactions.
class SummaryGridBottomDataRow : public SummaryGridDataRow
{
public:
    SummaryGridBottomDataRow(const SummaryGridObject& owner, const AssetStatisticsWrapper* left,
                             const AssetStatisticsWrapper* right);

protected:
    int FourthColumnSource() const override { return 5; }
};
