#pragma once
// What a statistics grid's data object shares with the others: the module whose style it
// follows, the grid it fills, and a cache of the style's grid lines and highlight settings
// that a style change makes stale. Main thread only.

#include <QtGlobal>

#include <memory>

class IGridLineManager;
class ITableView;
class ObjectWithStyle;
class StyleBase;
class StyleSessionStatistics;

class GridObjectBase
{
public:
    explicit GridObjectBase(const ObjectWithStyle& module) : m_module(module) {}
    virtual ~GridObjectBase() = default;

    ITableView* GetView() const { return m_view; }
    // The style's grid lines, read again after SetStale.
    const IGridLineManager& GetGridLineManager() const;
    // 0 no highlight, else the bits of StyleSessionStatistics::kHighlight...
    int GetRowHighlightType() const;
    quint32 GetRowHighlightColor() const;
    void SetStale() { m_stale = true; }
    // The text style of a statistic kind (0 rises to 3 transactions); null for another kind.
    std::shared_ptr<StyleBase> GetTextStyle(int kind) const;

protected:
    void SetView(ITableView* view) { m_view = view; }
    const StyleSessionStatistics& Style() const;

private:
    const ObjectWithStyle& m_module;
    ITableView* m_view = nullptr;
    mutable std::shared_ptr<const StyleSessionStatistics> m_style;
    mutable bool m_stale = true;
};
