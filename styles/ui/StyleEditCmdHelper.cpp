#include "styles/ui/StyleEditCmdHelper.h"

#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/RibbonComboBoxControl.h"
#include "platform/toolkit/RibbonEditControl.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/DialogServices.h"
#include "platform/ui/NotifyInfo.h"
#include "styles/engine/StyleTextField.h"
#include "styles/engine/StylesContainer.h"
#include "styles/ui/StylePreviewGalleryItem.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <functional>

namespace StyleEditCmdHelper
{
namespace
{
// The "Więcej kolorów" item of the colour galleries.
constexpr std::int32_t kMoreColours = -3;

// The hovered item's id, or nothing when no item is hovered (the user left the gallery).
std::optional<std::uint32_t> HoveredItemId(const GalleryControl& gallery)
{
    if (gallery.GetSelectedItem() < 0)
        return std::nullopt;
    const GalleryItem* item = gallery.GetItem(gallery.GetSelectedItem());
    return item ? std::optional<std::uint32_t>(item->GetID()) : std::nullopt;
}

// The index the user chose on a combo box or in the gallery of its list; -1 when none.
int ChosenIndex(const NotifyInfo& info)
{
    if (const auto* combo = qobject_cast<const RibbonComboBoxControl*>(info.control))
        return combo->GetCurSel();
    if (const auto* gallery = qobject_cast<const GalleryControl*>(info.control))
        return gallery->GetSelectedItem();
    return -1;
}

bool IsComboOrItsGallery(const NotifyInfo& info)
{
    return qobject_cast<const RibbonComboBoxControl*>(info.control) || qobject_cast<const GalleryControl*>(info.control);
}

std::optional<LogPen> PenOf(const StyleBase& style, int parameter)
{
    const GdiObject object = style.GetGdiObject(parameter);
    return object.Pen() ? std::optional<LogPen>(*object.Pen()) : std::nullopt;
}

std::optional<LogFont> FontOf(const StyleBase& style, int parameter)
{
    const GdiObject object = style.GetGdiObject(parameter);
    return object.Font() ? std::optional<LogFont>(*object.Font()) : std::nullopt;
}

void CheckInGalleries(const CmdUI& cmdUI, std::uint32_t id)
{
    for (GalleryControl* gallery : GetGalleries(cmdUI))
        gallery->SetCheckedItem(id);
}

// Asks the user for a colour, starting from the current one; nothing when cancelled.
std::optional<std::int32_t> AskColour(std::int32_t current)
{
    const std::shared_ptr<IColorDialogService> dialog = DialogServices::ColorDialog();
    const QColor start = ColorRef(static_cast<quint32>(current)).ToQColor(QColor(Qt::black));
    const std::optional<QColor> chosen = dialog ? dialog->ChooseColor(start) : std::nullopt;
    if (!chosen || !chosen->isValid())
        return std::nullopt;
    const std::optional<ColorRef> ref = ColorRef::FromQColor(*chosen);
    return ref ? std::optional<std::int32_t>(static_cast<std::int32_t>(ref->Value())) : std::nullopt;
}

// The colour a colour gallery's execute writes: the item's, or the dialog's for "Więcej kolorów".
std::optional<std::int32_t> ChosenColour(const GalleryControl& gallery, std::int32_t current)
{
    const std::optional<std::uint32_t> id = HoveredItemId(gallery);
    if (!id)
        return std::nullopt;
    const auto colour = static_cast<std::int32_t>(*id);
    return colour == kMoreColours ? AskColour(current) : std::optional<std::int32_t>(colour);
}

// The selection rule for a pen or font: the hovered item is written, or without one the
// source's object is put back.
void PreviewObject(StyleBase& style, int parameter, const NotifyInfo& info, const StyleBase& source,
                   const std::function<void(const GalleryControl&, std::uint32_t)>& write)
{
    const GalleryControl* gallery = qobject_cast<const GalleryControl*>(info.control);
    if (gallery == nullptr)
        return;
    if (const std::optional<std::uint32_t> id = HoveredItemId(*gallery))
        write(*gallery, *id);
    else if (const GdiObject object = source.GetGdiObject(parameter); !object.IsEmpty())
        style.SetGdiObject(parameter, object);
}

bool IsBusy(const RibbonEditControl* edit)
{
    return edit && edit->HasFocus();
}
}

const QString& OwnStyleName()
{
    static const QString name = QStringLiteral("Własny");
    return name;
}

int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    const long long product = static_cast<long long>(number) * numerator;
    const long long half = std::llabs(static_cast<long long>(denominator)) / 2;
    const bool negative = (product < 0) != (denominator < 0);
    const long long result = (std::llabs(product) + half) / std::llabs(static_cast<long long>(denominator));
    const long long signedResult = negative ? -result : result;
    return signedResult > INT_MAX || signedResult < INT_MIN ? -1 : static_cast<int>(signedResult);
}

int ScreenDpiY()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchY()) : 96;
}

int FontHeightToPoints(int height, int dpi)
{
    return MulDiv(std::abs(height), 72, dpi);
}

int PointsToFontHeight(int points, int dpi)
{
    return -MulDiv(std::abs(points), dpi, 72);
}

int Parameter1FromText(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+)$"));
    const QRegularExpressionMatch match = number.match(text.trimmed());
    if (!match.hasMatch())
        return 1;
    // The absolute value of INT_MIN, and any longer number, is held to the largest value.
    bool ok = false;
    const qulonglong absolute = match.captured(1).toULongLong(&ok);
    if (!ok || absolute > qulonglong(INT_MAX))
        return INT_MAX;
    return std::max(1, static_cast<int>(absolute));
}

std::vector<GalleryControl*> GetGalleries(const CmdUI& cmdUI)
{
    std::vector<GalleryControl*> galleries;
    auto* control = qobject_cast<RibbonControl*>(cmdUI.Control());
    if (control == nullptr)
        return galleries;
    if (auto* gallery = qobject_cast<GalleryControl*>(control))
        galleries.push_back(gallery);
    if (const RibbonPopupBar* popup = control->GetCommandBar())
    {
        for (const auto& item : popup->GetControls())
        {
            auto* gallery = qobject_cast<GalleryControl*>(item.get());
            if (gallery && gallery->GetID() == cmdUI.Id())
                galleries.push_back(gallery);
        }
    }
    return galleries;
}

RibbonEditControl* GetEditControl(const CmdUI& cmdUI)
{
    return qobject_cast<RibbonEditControl*>(cmdUI.Control());
}

RibbonComboBoxControl* GetComboControl(const CmdUI& cmdUI)
{
    return qobject_cast<RibbonComboBoxControl*>(cmdUI.Control());
}

GalleryControl* GetGallery(const NotifyInfo& info)
{
    return qobject_cast<GalleryControl*>(info.control);
}

void UpdateCheckedGalleryValue(const StyleBase& style, int parameter, CmdUI& cmdUI)
{
    cmdUI.Enable(true);
    CheckInGalleries(cmdUI, static_cast<std::uint32_t>(style.GetValue(parameter)));
}

void UpdateCheckedPenColour(const StyleBase& style, int parameter, CmdUI& cmdUI)
{
    cmdUI.Enable(true);
    if (const std::optional<LogPen> pen = PenOf(style, parameter))
        CheckInGalleries(cmdUI, pen->lopnColor.Value());
}

void UpdatePenTypeCombo(const StyleBase& style, int parameter, CmdUI& cmdUI)
{
    cmdUI.Enable(true);
    RibbonComboBoxControl* combo = GetComboControl(cmdUI);
    const std::optional<LogPen> pen = PenOf(style, parameter);
    if (combo && pen)
        combo->SetCurSel(static_cast<int>(pen->lopnStyle));
}

void UpdatePenWidthCombo(const StyleBase& style, int parameter, CmdUI& cmdUI)
{
    cmdUI.Enable(true);
    RibbonComboBoxControl* combo = GetComboControl(cmdUI);
    const std::optional<LogPen> pen = PenOf(style, parameter);
    if (combo && pen)
        combo->SetCurSel(std::clamp(pen->lopnWidth.x, kMinPenWidth, kMaxPenWidth) - kMinPenWidth);
}

void UpdateFontNameCombo(const StyleBase& style, int parameter, CmdUI& cmdUI)
{
    cmdUI.Enable(true);
    RibbonComboBoxControl* combo = GetComboControl(cmdUI);
    const std::optional<LogFont> font = FontOf(style, parameter);
    if (combo == nullptr || !font)
        return;
    const QString face = font->FaceName();
    for (int index = 0; index < combo->GetCount(); ++index)
    {
        if (combo->GetItem(index).caption == face)
        {
            combo->SetCurSel(index);
            return;
        }
    }
}

void UpdateFontSizeCombo(const StyleBase& style, int parameter, CmdUI& cmdUI)
{
    cmdUI.Enable(true);
    RibbonComboBoxControl* combo = GetComboControl(cmdUI);
    const std::optional<LogFont> font = FontOf(style, parameter);
    if (combo == nullptr || !font)
        return;
    const int points = FontHeightToPoints(font->lfHeight);
    const auto found = std::find(kFontSizes.begin(), kFontSizes.end(), points);
    const int index = static_cast<int>(found - kFontSizes.begin());
    if (found != kFontSizes.end() && index != combo->GetCurSel())
        combo->SetCurSel(index);
}

void UpdateCheckedRelatedStyle(const StyleBase& style, int relation, CmdUI& cmdUI)
{
    cmdUI.Enable(true);
    CheckInGalleries(cmdUI, static_cast<std::uint32_t>(StyleBase::SafeGetId(style.GetRelatedStyle(relation))));
}

void UpdateNameEdit(const QString& name, CmdUI& cmdUI)
{
    cmdUI.Enable(true);
    RibbonEditControl* edit = GetEditControl(cmdUI);
    if (edit && !IsBusy(edit) && edit->GetEditText() != name)
        edit->SetEditText(name);
}

void UpdateParameter1Edit(const StyleBase& style, CmdUI& cmdUI)
{
    cmdUI.Enable(true);
    RibbonEditControl* edit = GetEditControl(cmdUI);
    if (edit && !IsBusy(edit))
        edit->SetEditText(QString::number(style.GetValue(1)));
}

void SetValueFromGallery(StyleBase& style, int parameter, const NotifyInfo& info, const StyleBase& source)
{
    const GalleryControl* gallery = GetGallery(info);
    if (gallery == nullptr)
        return;
    const std::optional<std::uint32_t> id = HoveredItemId(*gallery);
    const bool selected = id && static_cast<std::int32_t>(*id) != kMoreColours;
    style.SetValue(parameter, selected ? static_cast<std::int32_t>(*id) : source.GetValue(parameter));
}

void SetPenColourFromGallery(StyleBase& style, int parameter, const NotifyInfo& info, const StyleBase& source)
{
    const GalleryControl* gallery = GetGallery(info);
    if (gallery == nullptr)
        return;
    const std::optional<std::uint32_t> id = HoveredItemId(*gallery);
    if (id && static_cast<std::int32_t>(*id) != kMoreColours)
        SetPen(style, parameter, std::nullopt, std::nullopt, static_cast<std::int32_t>(*id));
    else if (const std::optional<LogPen> pen = PenOf(source, parameter))
        style.SetGdiObject(parameter, *pen);
}

void SetPenTypeFromGallery(StyleBase& style, int parameter, const NotifyInfo& info, const StyleBase& source)
{
    PreviewObject(style, parameter, info, source, [&](const GalleryControl& gallery, std::uint32_t id) {
        SetPen(style, parameter, id, std::nullopt, std::nullopt);
    });
}

void SetPenWidthFromGallery(StyleBase& style, int parameter, const NotifyInfo& info, const StyleBase& source)
{
    PreviewObject(style, parameter, info, source, [&](const GalleryControl& gallery, std::uint32_t id) {
        SetPen(style, parameter, std::nullopt, gallery.GetSelectedItem() + kMinPenWidth, std::nullopt);
    });
}

void SetFontNameFromGallery(StyleBase& style, int parameter, const NotifyInfo& info, const StyleBase& source)
{
    PreviewObject(style, parameter, info, source, [&](const GalleryControl& gallery, std::uint32_t id) {
        SetFont(style, parameter, gallery.GetItem(gallery.GetSelectedItem())->GetCaption(), std::nullopt);
    });
}

void SetFontSizeFromGallery(StyleBase& style, int parameter, const NotifyInfo& info, const StyleBase& source)
{
    PreviewObject(style, parameter, info, source, [&](const GalleryControl& gallery, std::uint32_t id) {
        SetFont(style, parameter, std::nullopt, PointsToFontHeight(static_cast<int>(id)));
    });
}

void SetRelatedStyleFromGallery(StyleBase& style, int relation, const NotifyInfo& info, const StyleBase& source,
                                StyleType kind)
{
    const GalleryControl* gallery = GetGallery(info);
    if (gallery == nullptr)
        return;
    const std::optional<std::uint32_t> id = HoveredItemId(*gallery);
    style.SetRelatedStyle(relation, id ? static_cast<int>(*id) : StyleBase::SafeGetId(source.GetRelatedStyle(relation)),
                          kind);
}

void SetColourFromGallery(StyleBase& style, int parameter, const NotifyInfo& info, ICmdHelper& helper)
{
    const GalleryControl* gallery = GetGallery(info);
    if (gallery == nullptr)
        return;
    if (const std::optional<std::int32_t> colour = ChosenColour(*gallery, style.GetValue(parameter)))
        style.SetValue(parameter, *colour);
    helper.OnStyleCopied();
}

void ChoosePenColour(StyleBase& style, int parameter, const NotifyInfo& info, ICmdHelper& helper)
{
    const GalleryControl* gallery = GetGallery(info);
    if (gallery == nullptr)
        return;
    const std::optional<LogPen> pen = PenOf(style, parameter);
    const std::int32_t current = pen ? static_cast<std::int32_t>(pen->lopnColor.Value()) : 0;
    if (const std::optional<std::int32_t> colour = ChosenColour(*gallery, current))
        SetPen(style, parameter, std::nullopt, std::nullopt, *colour);
    helper.OnStyleCopied();
}

void SetPenTypeFromCombo(StyleBase& style, int parameter, const NotifyInfo& info, ICmdHelper& helper)
{
    if (!IsComboOrItsGallery(info))
        return;
    if (const int index = ChosenIndex(info); index >= 0)
        SetPen(style, parameter, static_cast<quint32>(index), std::nullopt, std::nullopt);
    helper.OnStyleCopied();
}

void SetPenWidthFromCombo(StyleBase& style, int parameter, const NotifyInfo& info, ICmdHelper& helper)
{
    if (!IsComboOrItsGallery(info))
        return;
    if (const int index = ChosenIndex(info); index >= 0)
        SetPen(style, parameter, std::nullopt, index + kMinPenWidth, std::nullopt);
    helper.OnStyleCopied();
}

void SetFontNameFromCombo(StyleBase& style, int parameter, const NotifyInfo& info, ICmdHelper& helper)
{
    QString face;
    if (const auto* combo = qobject_cast<const RibbonComboBoxControl*>(info.control))
        face = combo->GetEditText();
    else if (const GalleryControl* gallery = GetGallery(info); gallery && HoveredItemId(*gallery))
        face = gallery->GetItem(gallery->GetSelectedItem())->GetCaption();
    else if (!GetGallery(info))
        return;
    if (!face.trimmed().isEmpty())
        SetFont(style, parameter, face, std::nullopt);
    helper.OnStyleCopied();
}

void SetFontSizeFromCombo(StyleBase& style, int parameter, const NotifyInfo& info, ICmdHelper& helper)
{
    if (!IsComboOrItsGallery(info))
        return;
    const int index = ChosenIndex(info);
    const int points = index >= 0 && index < int(kFontSizes.size()) ? kFontSizes[std::size_t(index)] : 0;
    if (points > 0)
        SetFont(style, parameter, std::nullopt, PointsToFontHeight(points));
    helper.OnStyleCopied();
}

void SetParameter1FromEdit(StyleBase& style, const NotifyInfo& info, ICmdHelper& helper)
{
    QString text;
    if (const auto* edit = qobject_cast<const RibbonEditControl*>(info.control))
        text = edit->GetEditText();
    else if (const auto* combo = qobject_cast<const RibbonComboBoxControl*>(info.control))
        text = combo->GetEditText();
    else
        return;
    style.SetValue(1, Parameter1FromText(text));
    helper.OnStyleCopied();
}

void SetTextFieldStyleFromGallery(StyleBase& style, int relation, const NotifyInfo& info, ICmdHelper& helper)
{
    const GalleryControl* gallery = GetGallery(info);
    if (gallery == nullptr)
        return;
    if (const std::optional<std::uint32_t> id = HoveredItemId(*gallery))
        style.SetRelatedStyle(relation, static_cast<int>(*id), StyleTextField::Type);
    helper.OnStyleCopied();
}

void MakeUniqueStyleName(const std::shared_ptr<StyleBase>& style, const NotifyInfo& info)
{
    const auto* edit = qobject_cast<const RibbonEditControl*>(info.control);
    if (style == nullptr || edit == nullptr)
        return;
    const QString name = edit->GetEditText();
    if (!name.trimmed().isEmpty() && !StylesContainer::Instance().CheckIfNameExists(name, style, OwnStyleName()))
        style->SetName(name);
}

void CopyFromSelectedStyle(StyleBase& style, const NotifyInfo& info, ICmdHelper& helper)
{
    const GalleryControl* gallery = GetGallery(info);
    if (gallery == nullptr)
        return;
    if (const std::optional<std::uint32_t> id = HoveredItemId(*gallery))
    {
        // A style gallery's item carries its style, which the container may not hold.
        const auto* item = dynamic_cast<const StylePreviewGalleryItem*>(gallery->GetItem(gallery->GetSelectedItem()));
        const std::shared_ptr<StyleBase> source =
            item ? item->GetStyle() : StylesContainer::Instance().FindStyle(static_cast<int>(*id));
        if (source)
            style.CopyFrom(*source, false);
    }
    helper.OnStyleCopied();
}

void SetPen(StyleBase& style, int parameter, std::optional<quint32> penStyle, std::optional<int> width,
            std::optional<int> colour)
{
    std::optional<LogPen> pen = PenOf(style, parameter);
    if (!pen)
        return;
    if (penStyle)
        pen->lopnStyle = *penStyle;
    if (width)
        pen->lopnWidth.x = *width;
    if (colour)
        pen->lopnColor = ColorRef(static_cast<quint32>(*colour));
    style.SetGdiObject(parameter, *pen);
}

void SetFont(StyleBase& style, int parameter, const std::optional<QString>& faceName, std::optional<int> height)
{
    std::optional<LogFont> font = FontOf(style, parameter);
    if (!font)
        return;
    if (height)
        font->lfHeight = *height;
    if (faceName)
        font->SetFaceName(*faceName);
    style.SetGdiObject(parameter, *font);
}
}
