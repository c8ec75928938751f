#pragma once
// The base of an object whose display follows a style (a module and its windows). The object
// follows either a named style of the container, its module's default style, or its own style:
// a copy of the style it followed, in which the user changed parameters. An own style keeps
// following that source in every parameter the user did not change. A gallery may preview
// another style on the object until the preview is applied or cancelled.
//
// Style ids: above 0 a named style, 0 the module's default style, StyleBase::kOwnStyleId the
// object's own style. Main thread only.

#include "styles/engine/StyleBase.h"

#include <memory>
#include <optional>

class IDefaultStyleProvider;
class Settings;

class ObjectWithStyle
{
public:
    // The provider outlives the object (usually it is the object's module itself).
    ObjectWithStyle(const IDefaultStyleProvider& defaultStyleProvider, StyleType kind);
    virtual ~ObjectWithStyle();
    ObjectWithStyle(const ObjectWithStyle&) = delete;
    ObjectWithStyle& operator=(const ObjectWithStyle&) = delete;

    // Changes one value parameter of a part of the object's own style (made from the style it
    // follows when it has none) and marks it changed. The value ColorRef::kStyleOwnValue gives
    // the parameter back to the source: the mark goes and the source's value returns. Kinds
    // with font commands handle those themselves.
    virtual void ChangeDSParam(int part, int parameter, qint32 value);
    // The object's display follows a changed style; the base does nothing.
    virtual void OnStyleChanged();
    // The part of a style that a command edits: part 0 the style itself; the base has no others.
    virtual std::shared_ptr<StyleBase> GetStyleToEdit(const std::shared_ptr<StyleBase>& style, int part) const;

    StyleType GetStyleKind() const { return m_kind; }
    // With preview, the id of the style being previewed, when one is.
    int StyleId(bool withPreview) const;
    // The style the object shows now (the previewed one while a preview lasts).
    std::shared_ptr<StyleBase> Style() const;
    // The style the object's own style follows; the style it shows when it has none.
    std::shared_ptr<StyleBase> GetSourceStyle() const;
    std::shared_ptr<StyleBase> GetOwnStyle() const { return m_ownStyle; }

    // Follows the style of the id from now on; a named id the container does not hold gives
    // the module's default style. The own style is given up unless the id is kOwnStyleId.
    void UpdateStyle(int styleId);
    void OnPreviewStyleChanged(int styleId);
    void ApplyPreviewStyle();
    void CancelPreviewStyle();
    // After ChangeDSParam: the changed style paints its preview again.
    void ApplyDSParam();
    // Gives up the own style and follows its source again.
    void DSRestore();
    void ForceStyleChangedNotification() { OnStyleChanged(); }

    void EnterEditStyleMode() { m_editMode = true; }
    void LeaveEditStyleMode() { m_editMode = false; }
    bool IsInEditStyleMode() const { return m_editMode; }

    // "StyleId", "StyleGuid" and, for an own style or with embedStyles, the style in "StyleOwn".
    void SerialiseStyles(Settings& node, bool embedStyles) const;
    // Reads what SerialiseStyles wrote. A named style this container lacks is shown from the
    // stored copy as an own style when the node has one, else the default style is shown.
    void UnserialiseStyles(const Settings& node);

private:
    std::shared_ptr<StyleBase> Resolve(int styleId) const;
    std::shared_ptr<StyleBase> Fallback() const;
    void MakeOwnStyle();

    const IDefaultStyleProvider& m_defaultStyleProvider;
    const StyleType m_kind;
    int m_styleId = 0;
    std::shared_ptr<StyleBase> m_ownStyle;
    std::optional<int> m_previewStyleId;
    mutable std::shared_ptr<StyleBase> m_fallbackStyle;
    bool m_editMode = false;
};
