#pragma once
// The colour picker under a ribbon control: "Domyślny", the theme colours with their shades,
// the standard colours and "Więcej kolorów", drawn by the popup itself. While the mouse moves
// over it the popup reports the colour under the mouse (live preview) and the clearing of
// that preview; a click picks the previewed colour. "Więcej kolorów" closes the popup and asks
// the colour-dialog service.
//
// Observers apply the hot colour for preview, put the committed value back when it is
// cleared, and commit the last hot colour when it is picked. A pick with no hot colour in
// between (the colour dialog cancelled) means "no change".

#include "ribbon/popups/PopupBarBase.h"

#include <memory>
#include <vector>

class ColorPickerPopupWindow : public PopupBarBase
{
    Q_OBJECT

public:
    class Item;
    class CaptionItem;
    class ButtonItem;
    class ColorItem;

    class IPickedColorObserver
    {
    public:
        virtual ~IPickedColorObserver() = default;
        // The user picked the colour last reported by OnColorHot.
        virtual void OnColorPicked() = 0;
        // The colour now under the mouse: a colour reference, or -2 for "Domyślny".
        virtual void OnColorHot(int color) = 0;
        virtual void OnHotColorCleared() = 0;
    };

    static constexpr int kWidth = 176;

    ColorPickerPopupWindow(IPickedColorObserver& colorObserver, IPopupAreaObserver& areaObserver,
                           QWidget* owner = nullptr);
    ~ColorPickerPopupWindow() override;

    // Marks the items of the colour as selected (none for a colour the popup does not offer).
    void SetSelectedColor(int color);
    int GetSelectedColor() const { return m_selectedColor; }
    // The colour now previewed; -1 when none.
    int GetHotColor() const { return m_hotColor; }
    const std::vector<std::shared_ptr<Item>>& GetItems() const { return m_items; }
    QSize GetPopupSize() const { return m_size; }
    // The item under the point (client coordinates); null when none.
    Item* ItemAt(const QPoint& point) const;

protected:
    bool CreatePopupWindow() override;
    void OnMouseMessageOutside(QEvent::Type type) override;
    void ResetHotItem() override;
    void OnMouseMoveInside(const QPoint& point) override;
    void OnButtonDownInside(Qt::MouseButton button, const QPoint& point) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void BuildItems();
    // Sets the hot flag on the items of the hot colour only.
    void MarkHotItems();
    void SetHotColor(int color);
    void PickMoreColors();

    IPickedColorObserver& m_colorObserver;
    std::vector<std::shared_ptr<Item>> m_items;
    QSize m_size;
    int m_hotColor = -1;
    int m_selectedColor = -1;
};
