#pragma once
// A group row of a report: a bold caption with an expand arrow that shows or hides the rows
// under it, and buttons drawn in the header (an image and a text) that the user clicks.

#include <QColor>
#include <QIcon>
#include <QRect>
#include <QString>

#include <memory>
#include <vector>

class ReportRecord;

class ReportGroupRow
{
public:
    struct HeaderButton
    {
        QIcon icon;
        QString text;
        QColor textColor;
        // Where it was last drawn, in report coordinates (empty while not shown).
        QRect rect;
        bool pressed = false;
    };

    explicit ReportGroupRow(const QString& caption) : m_caption(caption) {}
    ~ReportGroupRow();

    QString GetCaption() const { return m_caption; }
    void SetCaption(const QString& caption) { m_caption = caption; }
    bool IsExpanded() const { return m_expanded; }

    int AddHeaderButton(const QIcon& icon, const QString& text, const QColor& textColor = {});
    const HeaderButton* GetHeaderButton(int index) const;
    int GetHeaderButtonCount() const { return static_cast<int>(m_buttons.size()); }

    int GetRecordCount() const { return static_cast<int>(m_records.size()); }
    ReportRecord* GetRecord(int index) const;

private:
    friend class ReportControl;

    QString m_caption;
    bool m_expanded = true;
    std::vector<HeaderButton> m_buttons;
    std::vector<std::unique_ptr<ReportRecord>> m_records;
};
