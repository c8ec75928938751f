#include "platform/toolkit/ToolTipHtml.h"

QString ToolTipHtml::Make(const QString& title, const QString& description)
{
    QString html;
    if (!title.isEmpty())
        html = QStringLiteral("<b>%1</b>").arg(title.toHtmlEscaped());
    if (!description.isEmpty())
    {
        if (!html.isEmpty())
            html += QStringLiteral("<br>");
        html += description.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    }
    return html;
}
