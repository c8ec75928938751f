#pragma once
// How galleries paint what is not an item: the gallery's background, its label items and the
// scroll column (up, down and expand buttons) of a gallery whose items do not all fit. The
// default paints with the application palette; the program's ribbon theme installs its own.
// Main thread only.

#include <QRect>

#include <memory>

class GalleryControl;
class GalleryItem;
class QColor;
class QPainter;

class GalleryPaintManager
{
public:
    // The states of a scroll-column button, as the themes draw them.
    enum ButtonState
    {
        ButtonNormal = 0,
        ButtonColumnHot = 1,
        ButtonHot = 2,
        ButtonPressed = 3,
        ButtonDisabled = 4
    };

    GalleryPaintManager() = default;
    virtual ~GalleryPaintManager() = default;

    GalleryPaintManager(const GalleryPaintManager&) = delete;
    GalleryPaintManager& operator=(const GalleryPaintManager&) = delete;

    static const GalleryPaintManager& Current();
    // Null puts the default back.
    static void SetCurrent(std::shared_ptr<const GalleryPaintManager> manager);

    // The background of the gallery's rectangle; inPopup for a gallery shown in a popup.
    virtual void FillControl(QPainter& painter, const GalleryControl& gallery, const QRect& rect, bool inPopup) const;
    virtual void DrawLabel(QPainter& painter, const GalleryItem& label, const QRect& rect) const;
    // The scroll column; hotCode and pressedCode are the hit codes under the mouse and held
    // down (0: none).
    void DrawPopupScrollBar(QPainter& painter, const GalleryControl& gallery, const QRect& column, int hotCode,
                            int pressedCode) const;

    // The state a button of the column shows: disabled when the gallery or the button is;
    // else pressed, hot, or "column hot" while another button of the column is hot or pressed.
    static ButtonState GetButtonState(const GalleryControl& gallery, int code, int hotCode, int pressedCode);

protected:
    virtual void DrawScrollButton(QPainter& painter, const QRect& rect, int code, ButtonState state) const;
    // The arrow of the up (60) or down (61) button, or the expand mark (65), centred in the rect.
    static void DrawGlyph(QPainter& painter, const QRect& rect, int code, const QColor& color);
};
