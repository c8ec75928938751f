#include "ribbon/controls/ToolTipsHTMLBase.h"

#include "platform/toolkit/ToolTipHtml.h"
#include "platform/ui/StringTable.h"

std::optional<ToolTipsHTMLBase::ToolTipStrings> ToolTipsHTMLBase::LoadToolTipStrings(std::uint32_t id) const
{
    const StringTable& strings = StringTable::Instance();
    if (!strings.Contains(id))
        return std::nullopt;
    const QString text = strings.Get(id);
    if (!text.contains(QLatin1Char('\n')))
        return ToolTipStrings{text, QString()};
    return ToolTipStrings{strings.Caption(id), strings.Description(id)};
}

QString ToolTipsHTMLBase::CreateHTMLToolTipContent(const QString& caption, const QString& description)
{
    return ToolTipHtml::Make(caption, description);
}
