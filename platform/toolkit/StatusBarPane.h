#pragma once
// A pane of the status bar: its id, a text, a tooltip, a fixed width (0: as wide as its text),
// a style (kStyleNoBorders leaves the separator line out) and whether the customisation list
// offers it. A pane may hold a control (a progress bar) that fills it. The tooltip is the
// bar's to show (StatusBarBase::OnToolHitTest), so it is kept apart from the widget's own.
// Derived panes paint more over the text (Draw).

#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>

class StatusBarPane : public QWidget
{
    Q_OBJECT

public:
    static constexpr std::uint32_t kStyleNoBorders = 0x100;

    explicit StatusBarPane(std::uint32_t id, QWidget* parent = nullptr);

    std::uint32_t GetID() const { return m_id; }

    const QString& GetText() const { return m_text; }
    void SetText(const QString& text);
    const QString& GetTooltip() const { return m_tooltip; }
    void SetTooltip(const QString& tooltip) { m_tooltip = tooltip; }

    // 0 makes the pane as wide as its text.
    int GetWidth() const { return m_width; }
    void SetWidth(int width);
    std::uint32_t GetStyle() const { return m_style; }
    void SetStyle(std::uint32_t style);
    bool GetCustomizationVisible() const { return m_customizationVisible; }
    void SetCustomizationVisible(bool visible) { m_customizationVisible = visible; }

    // The pane takes the control as its child and keeps it over its whole area.
    void SetChild(QWidget* child);
    QWidget* GetChild() const { return m_child; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The pane's content inside its area: the text, by default.
    virtual void Draw(QPainter& painter, const QRect& rect) const;

private:
    std::uint32_t m_id;
    QString m_text;
    QString m_tooltip;
    int m_width = 0;
    std::uint32_t m_style = 0;
    bool m_customizationVisible = true;
    QPointer<QWidget> m_child;
};
