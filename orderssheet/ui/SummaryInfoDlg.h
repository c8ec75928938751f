#pragma once
// One side's summary in an orders-sheet window: two groups, each a caption, a heading and three
// numbers (count, value, average value per order): the side's totals and the figures of its
// price level. Side 0 is the supply ("Podaż", price level in group A), side 1 the demand
// ("Popyt", price level in group B). Colours come from the sheet's style. Main thread only.

#include <QWidget>

#include <array>

class OrdersSheetSettings;
class QGroupBox;
class QLabel;

class SummaryInfoDlg : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kGroupA = 0;
    static constexpr int kGroupB = 1;
    static constexpr int kPriceLevelGroupKind = 1;
    static constexpr int kTotalsGroupKind = 2;

    SummaryInfoDlg(int side, QWidget* owner, const OrdersSheetSettings* settings, QWidget* parent = nullptr);

    // The group a kind of figures goes to on this side.
    static int GroupForKind(int side, int groupKind);
    void SetGroupTexts(int groupKind, const QString& heading, const QString& count, const QString& value,
                       const QString& average);
    void ShowGroup(int group, bool show);
    void UpdateVisibility();
    void ApplyStyle();
    void SetShowPriceLevel(bool show) { m_showPriceLevel = show; }

    QString GroupCaption(int group) const;
    // The heading (0) and the three numbers (1..3) of a group.
    QString GroupText(int group, int line) const;
    bool IsGroupShown(int group) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Group
    {
        QGroupBox* box = nullptr;
        std::array<QLabel*, 4> lines{};
    };

    QColor StyleColour(int parameter, const QColor& fallback) const;

    const int m_side;
    QWidget* const m_owner;
    const OrdersSheetSettings* const m_settings;
    bool m_showPriceLevel = true;
    bool m_updated = false;
    std::array<Group, 2> m_groups;
};
