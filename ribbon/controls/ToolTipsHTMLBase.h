#pragma once
// The program's HTML tooltips: the string-table entry of a command id holds the description,
// a line break and the caption; the tooltip shows the caption in bold over the description.

#include <QString>

#include <cstdint>
#include <optional>

class ToolTipsHTMLBase
{
public:
    struct ToolTipStrings
    {
        QString caption;
        QString description;
    };

    virtual ~ToolTipsHTMLBase() = default;

    // The caption and description of the id; an entry without a line break is the caption
    // alone; nothing when the string table has no entry.
    std::optional<ToolTipStrings> LoadToolTipStrings(std::uint32_t id) const;
    // Rich text: the caption in bold, the description below; both escaped.
    static QString CreateHTMLToolTipContent(const QString& caption, const QString& description);
};
