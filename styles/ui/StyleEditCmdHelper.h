#pragma once
// The operations every style command target builds its handlers from: reading a parameter of
// the edited style into the ribbon's controls (update-UI), writing the hovered gallery item into
// it while the user previews (selection), and writing the user's choice into it (execute).
//
// Selection rule: while a gallery item is hovered its value goes into the style; when the user
// leaves the gallery (no item selected) the value of the source style (the state before the
// preview) is written back, so a preview never sticks. The "Więcej kolorów" item counts as no
// selection for colours.
// Execute rule: the value is written when an item is chosen; then, chosen or not, the target's
// OnStyleCopied runs.
// Controls in use (an edit with the focus) are not overwritten by an update.
//
// Pens and fonts are values (LogPen, LogFont): a change reads the object, changes one field and
// hands it back. Main thread only.

#include "styles/engine/StyleBase.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class CmdUI;
class GalleryControl;
class GalleryItem;
class QObject;
class RibbonComboBoxControl;
class RibbonEditControl;
struct NotifyInfo;

namespace StyleEditCmdHelper
{
class ICmdHelper
{
public:
    virtual ~ICmdHelper() = default;
    // The edited style took other settings: the target takes its new state as the one a
    // preview falls back to.
    virtual void OnStyleCopied() = 0;
};

// Font size combo index to points.
inline constexpr std::array<int, 23> kFontSizes = {4,  6,  8,  9,  10, 11, 12, 14, 16, 18, 20, 22,
                                                   24, 26, 28, 32, 36, 48, 56, 72, 96, 120, 150};
inline constexpr int kMinPenWidth = 1;
inline constexpr int kMaxPenWidth = 7;
// The name the styles container keeps for styles without one.
const QString& OwnStyleName();

// number * numerator / denominator, rounded half away from zero; -1 for a zero denominator.
int MulDiv(int number, int numerator, int denominator);
// The screen's logical dots per inch (96 without a screen).
int ScreenDpiY();
int FontHeightToPoints(int height, int dpi = ScreenDpiY());
// A negative height: the character height.
int PointsToFontHeight(int points, int dpi = ScreenDpiY());
// The absolute value of a decimal text, at least 1; out-of-range numbers give INT_MAX.
int Parameter1FromText(const QString& text);

// The controls of a command.
std::vector<GalleryControl*> GetGalleries(const CmdUI& cmdUI);
RibbonEditControl* GetEditControl(const CmdUI& cmdUI);
RibbonComboBoxControl* GetComboControl(const CmdUI& cmdUI);
GalleryControl* GetGallery(const NotifyInfo& info);

// Update-UI: each enables the command first.
void UpdateCheckedGalleryValue(const StyleBase& style, int parameter, CmdUI& cmdUI);
void UpdateCheckedPenColour(const StyleBase& style, int parameter, CmdUI& cmdUI);
void UpdatePenTypeCombo(const StyleBase& style, int parameter, CmdUI& cmdUI);
void UpdatePenWidthCombo(const StyleBase& style, int parameter, CmdUI& cmdUI);
void UpdateFontNameCombo(const StyleBase& style, int parameter, CmdUI& cmdUI);
void UpdateFontSizeCombo(const StyleBase& style, int parameter, CmdUI& cmdUI);
void UpdateCheckedRelatedStyle(const StyleBase& style, int relation, CmdUI& cmdUI);
void UpdateNameEdit(const QString& name, CmdUI& cmdUI);
void UpdateParameter1Edit(const StyleBase& style, CmdUI& cmdUI);

// Selection (preview): source holds the value to fall back to.
void SetValueFromGallery(StyleBase& style, int parameter, const NotifyInfo& info, const StyleBase& source);
void SetPenColourFromGallery(StyleBase& style, int parameter, const NotifyInfo& info, const StyleBase& source);
void SetPenTypeFromGallery(StyleBase& style, int parameter, const NotifyInfo& info, const StyleBase& source);
void SetPenWidthFromGallery(StyleBase& style, int parameter, const NotifyInfo& info, const StyleBase& source);
void SetFontNameFromGallery(StyleBase& style, int parameter, const NotifyInfo& info, const StyleBase& source);
void SetFontSizeFromGallery(StyleBase& style, int parameter, const NotifyInfo& info, const StyleBase& source);
void SetRelatedStyleFromGallery(StyleBase& style, int relation, const NotifyInfo& info, const StyleBase& source,
                                StyleType kind);

// Execute.
void SetColourFromGallery(StyleBase& style, int parameter, const NotifyInfo& info, ICmdHelper& helper);
void ChoosePenColour(StyleBase& style, int parameter, const NotifyInfo& info, ICmdHelper& helper);
void SetPenTypeFromCombo(StyleBase& style, int parameter, const NotifyInfo& info, ICmdHelper& helper);
void SetPenWidthFromCombo(StyleBase& style, int parameter, const NotifyInfo& info, ICmdHelper& helper);
void SetFontNameFromCombo(StyleBase& style, int parameter, const NotifyInfo& info, ICmdHelper& helper);
void SetFontSizeFromCombo(StyleBase& style, int parameter, const NotifyInfo& info, ICmdHelper& helper);
void SetParameter1FromEdit(StyleBase& style, const NotifyInfo& info, ICmdHelper& helper);
void SetTextFieldStyleFromGallery(StyleBase& style, int relation, const NotifyInfo& info, ICmdHelper& helper);
// Renames the style to the edit's text unless the text is blank or another style bears it.
void MakeUniqueStyleName(const std::shared_ptr<StyleBase>& style, const NotifyInfo& info);
// The edited style takes the settings of the style of the chosen gallery item (its data is the
// style's id in the styles container).
void CopyFromSelectedStyle(StyleBase& style, const NotifyInfo& info, ICmdHelper& helper);

// The parameter's pen or font with one part changed; nothing when it holds no pen / font.
void SetPen(StyleBase& style, int parameter, std::optional<quint32> penStyle, std::optional<int> width,
            std::optional<int> colour);
void SetFont(StyleBase& style, int parameter, const std::optional<QString>& faceName, std::optional<int> height);
}
