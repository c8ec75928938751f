#include "workspace/targets/DisplayParamsCmdTarget.h"

#include "platform/base/ColorRef.h"
#include "platform/toolkit/GalleryControl.h"
#include "platform/ui/DialogServices.h"
#include "platform/ui/NotifyCodes.h"

#include <utility>

namespace
{
// The item the notifying gallery has selected; null without gallery or selection.
const GalleryItem* SelectedItem(const NotifyInfo& info)
{
    const auto* gallery = qobject_cast<GalleryControl*>(info.control);
    return gallery ? gallery->GetItem(gallery->GetSelectedItem()) : nullptr;
}
}

DisplayParamsCmdTarget::DisplayParamsCmdTarget(Services services, Operations operations, const Ids& ids,
                                               const QString& styleKind, std::vector<ColourGallery> galleries)
    : m_services(std::move(services))
    , m_operations(std::move(operations))
{
    OnCommand(ids.lock, [this] {
        if (Available())
            m_operations.lock(!m_operations.isLocked());
    });
    OnUpdate(ids.lock, [this](CmdUI& cmdUI) {
        cmdUI.Enable(true);
        cmdUI.SetCheck(Available() && m_operations.isLocked() ? 1 : 0);
    });

    if (ids.editStyle != 0)
    {
        OnCommand(ids.editStyle, [this, styleKind] {
            if (Available() && m_services.beginEditStyle)
                m_services.beginEditStyle(m_operations.defaultStyle(),
                                          QStringLiteral("Podgląd i edycja stylu %1").arg(styleKind));
        });
        AlwaysEnabled(ids.editStyle);
    }
    AddStyleGallery(ids.styleGallery);

    if (ids.link != 0)
        OnUpdate(ids.link, [this](CmdUI& cmdUI) { cmdUI.Enable(m_services.canLink && m_services.canLink()); });

    OnCommand(ids.fontLarger, [this] { StepFont(kStepLarger); });
    OnCommand(ids.fontSmaller, [this] { StepFont(kStepSmaller); });
    OnCommand(ids.fontRestore, [this] { StepFont(kStyleValue); });
    AlwaysEnabled(ids.fontLarger);
    AlwaysEnabled(ids.fontSmaller);
    AlwaysEnabled(ids.fontRestore);
    AlwaysEnabled(ids.moreOptions);
    OnCommand(ids.restore, [this] {
        Run(m_operations.restore);
        Run(m_operations.redraw);
    });
    AlwaysEnabled(ids.restore);

    for (const ColourGallery& gallery : galleries)
        AddColourGallery(gallery);
}

void DisplayParamsCmdTarget::Run(const std::function<void()>& operation) const
{
    if (Available() && operation)
        operation();
}

void DisplayParamsCmdTarget::AlwaysEnabled(std::uint32_t id)
{
    OnUpdate(id, [](CmdUI& cmdUI) { cmdUI.Enable(true); });
}

void DisplayParamsCmdTarget::AddColourGallery(const ColourGallery& gallery)
{
    const int group = gallery.group;
    const int param = gallery.param;
    OnNotify(gallery.id, NotifyCodes::GalleryPreviewChange,
             [this, gallery](NotifyInfo& info) { PreviewColour(info, gallery); });
    OnNotify(gallery.id, NotifyCodes::CheckedItemQuery, [this, group, param](NotifyInfo& info) {
        if (Available())
            info.result = m_operations.get(group, param);
    });
    OnNotify(gallery.id, NotifyCodes::GalleryPreviewCancel, [this](NotifyInfo&) {
        Run(m_operations.cancel);
        Run(m_operations.redraw);
    });
    OnNotify(gallery.id, NotifyCodes::GalleryPreviewApply, [this](NotifyInfo&) { ApplyColour(); });
    const std::function<bool()> enabled = gallery.enabled;
    OnUpdate(gallery.id, [this, enabled](CmdUI& cmdUI) { cmdUI.Enable(!enabled || (Available() && enabled())); });
}

void DisplayParamsCmdTarget::ChangeColour(int group, const std::vector<int>& params, std::int32_t value)
{
    for (int param : params)
        m_operations.change(group, param, value);
}

void DisplayParamsCmdTarget::PreviewColour(NotifyInfo& info, const ColourGallery& gallery)
{
    const GalleryItem* item = SelectedItem(info);
    if (!item || !Available())
        return;
    m_customPending = false;
    std::vector<int> params{gallery.param};
    params.insert(params.end(), gallery.alsoParams.begin(), gallery.alsoParams.end());
    const auto itemId = static_cast<std::int32_t>(item->GetID());
    if (itemId == kAutomaticColourItem)
        ChangeColour(gallery.group, params, kStyleValue);
    else if (itemId == kMoreColoursItem)
    {
        // The dialog's colour goes to every parameter the gallery previews, as a picked one does.
        m_customPending = true;
        m_customGroup = gallery.group;
        m_customParams = params;
        m_operations.cancel();
    }
    else
        ChangeColour(gallery.group, params, itemId);
    Run(m_operations.redraw);
}

void DisplayParamsCmdTarget::ApplyColour()
{
    if (!Available())
        return;
    if (m_customPending)
    {
        m_customPending = false;
        const ColorRef current(static_cast<quint32>(m_operations.get(m_customGroup, m_customParams.front())));
        const std::optional<QColor> chosen = DialogServices::ColorDialog()->ChooseColor(current.ToQColor(Qt::white));
        if (chosen)
            if (const std::optional<ColorRef> colour = ColorRef::FromQColor(*chosen))
            {
                ChangeColour(m_customGroup, m_customParams, static_cast<std::int32_t>(colour->Value()));
                AfterCustomColour();
            }
    }
    m_operations.apply();
}

void DisplayParamsCmdTarget::StepFont(std::int32_t value)
{
    if (!Available())
        return;
    for (int group : FontGroups())
        m_operations.change(group, kFontSizeParam, value);
    Run(m_operations.redraw);
}

void DisplayParamsCmdTarget::AddStyleGallery(std::uint32_t id)
{
    OnUpdate(id, [this](CmdUI& cmdUI) {
        auto* gallery = qobject_cast<GalleryControl*>(cmdUI.Control());
        if (!gallery)
            return;
        if (Available())
            gallery->SetCheckedItem(static_cast<std::uint32_t>(m_operations.activeStyleId()));
        cmdUI.Enable(true);
    });
    OnNotify(id, NotifyCodes::SpecialStylesRequest, [this](NotifyInfo& info) {
        auto description = std::make_shared<SpecialStylesInfo>();
        description->flag = 1;
        if (Available())
        {
            description->firstStyle = m_operations.defaultStyle();
            description->checkedStyleId = m_operations.activeStyleId();
        }
        m_galleryDescription = description;
        info.result = reinterpret_cast<std::intptr_t>(m_galleryDescription.get());
    });
    OnNotify(id, NotifyCodes::GalleryPreviewChange, [this](NotifyInfo& info) {
        const GalleryItem* item = SelectedItem(info);
        if (!item || !Available())
            return;
        const bool shown = m_operations.previewStyle(static_cast<std::int32_t>(item->GetID()));
        if (shown || !RedrawOnlyWhenPreviewShown())
            Run(m_operations.redraw);
    });
    OnNotify(id, NotifyCodes::GalleryPreviewCancel, [this](NotifyInfo&) {
        Run(m_operations.cancelPreviewStyle);
        Run(m_operations.redraw);
    });
    OnNotify(id, NotifyCodes::GalleryPreviewApply, [this](NotifyInfo&) {
        Run(m_operations.applyPreviewStyle);
        Run(m_operations.redraw);
    });
}
