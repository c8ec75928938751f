#pragma once
// The details window: every figure of one instrument's current state, one row each, in an
// order the user changes by moving the selected row. A value that rose or fell at the last
// change is painted with the rise or fall colours.

#include "modulelibs/windows/FeedWindow.h"
#include "platform/modules/CurrentState.h"
#include "styles/engine/StyleDetails.h"

#include <map>
#include <vector>

class DetailsWindow : public FeedWindow
{
    Q_OBJECT

public:
    static constexpr StyleType kStyleType = StyleDetails::Type;

    DetailsWindow(ConsumerBase& consumer, const std::shared_ptr<StyleBase>& style, QWidget* parent);

    // Moves the selected row by the step, within the list.
    void MoveSelectedRow(int step);
    void SelectRow(int row) { m_selected = row; }
    // The series shown, in row order.
    const std::vector<ESeriesID>& RowOrder() const { return m_order; }
    double Value(ESeriesID series) const { return m_state.GetDouble(series); }

protected:
    void Absorb(FeedLink::Batch&& batch) override;
    void ForgetInstrumentData() override;
    QStringList Header() const override;
    QString KindName() const override { return QStringLiteral("Szczegóły"); }
    int RowCount() const override { return static_cast<int>(m_order.size()); }
    QStringList Row(int index) const override;
    int RowTrend(int index) const override;
    int SelectedRow() const override { return m_selected; }
    void OnRowClicked(int row) override;
    void SaveOwnState(Settings& node) const override;
    void LoadOwnState(const Settings& node) override;

private:
    std::vector<ESeriesID> m_order;
    CurrentState m_state;
    std::map<ESeriesID, int> m_trends;
    int m_selected = 0;
};
