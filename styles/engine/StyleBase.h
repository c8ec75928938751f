#pragma once
// The base of every display style: its identity (id, name, GUID), the styles it relates to by
// relation id together with its own copy of each, the marks of the parameters the user changed
// on an own style, its cached preview picture, and the operations every style kind provides
// (values, pens and fonts by parameter id, its stored form in a Settings node, its preview).
//
// A style the styles container keeps has an id above 0 and a GUID. Any other style (a window's
// own style, the own copies of related styles, a fresh default style) has the id kOwnStyleId
// and no GUID; an own style remembers the GUID of the named style it was made from.
//
// A related style is either a named style of the container (shared) or the style's own copy
// for that relation. Relations exist for the relation ids that have an own copy.
//
// Main thread only. A kind that overrides the virtual SetRelatedStyle hides the non-virtual
// overload: such a class adds `using StyleBase::SetRelatedStyle;`.

#include "styles/engine/GdiObject.h"
#include "platform/modules/StyleType.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QUuid>

#include <map>
#include <memory>
#include <set>
#include <vector>

class QPainter;
class Settings;

class StyleBase
{
public:
    static constexpr int kOwnStyleId = -2;
    // The "StyleGuid" of an own style: it names no style of the container.
    static const QString OWN_STYLE_GUID;

    // Relation id to related style, as the style editing keeps working copies of them.
    using RelatedStylesMap = std::map<quint32, std::shared_ptr<StyleBase>>;

    StyleBase() = default;
    StyleBase(const StyleBase&) = delete;
    StyleBase& operator=(const StyleBase&) = delete;
    virtual ~StyleBase();

    // Relates the style to a style of the container (its own copy for kOwnStyleId). False, and
    // nothing changes, when the relation id is unknown or no such style of the kind exists.
    bool SetRelatedStyle(int relationId, int styleId, StyleType kind);
    // A style without an id (not kept by the container) given here does not become related
    // itself: the own copy of the relation takes its settings and name and is related instead.
    virtual void SetRelatedStyle(int relationId, const std::shared_ptr<StyleBase>& style);
    virtual std::shared_ptr<StyleBase> GetRelatedStyle(int relationId) const;
    virtual bool HasRelatedStyle(const std::shared_ptr<const StyleBase>& style) const;

    // Parameters by id; an id the kind does not know reads as 0 / an empty object and is
    // ignored when written.
    virtual qint32 GetValue(int id) const;
    virtual void SetValue(int id, qint32 value);
    virtual GdiObject GetGdiObject(int id) const;
    virtual void SetGdiObject(int id, const GdiObject& object);

    // Writes every parameter of the style into the node (the caller empties it first). The
    // base writes "Type", "Name", "StyleGuid", "SourceGuid" and "ChangedParameters".
    virtual void Serialize(Settings& node) const;
    // Reads what Serialize wrote. A missing or unreadable key leaves its parameter as it was;
    // the style's id and GUID are not read (the container gives them).
    virtual void Unserialize(const Settings& node);

    virtual bool IsKindOf(StyleType type) const;
    virtual QString GetTypeName() const = 0;
    virtual StyleType GetType() const = 0;
    // The style a window of this kind shows when it has none of its own: the one the kind's
    // default source gives (see StyleKinds), else a new default style of the kind.
    virtual std::shared_ptr<StyleBase> DefaultStyle() const;
    // Takes the parameters of a style of the same kind; the own copies of the relations take
    // the settings of the source's related styles. Identity and relations stay.
    virtual void CopySettingsFromSelectedStyle(const std::shared_ptr<const StyleBase>& source);
    // An own style follows the style it was made from in every parameter the user did not
    // change: these take the source's value unless marked changed.
    virtual void UpdateChangedParameter(const StyleBase& source, int id);
    virtual void UpdateChangedParameters(const StyleBase& source);

    // The size of the preview picture, and of the area PaintPreview draws (scaled to the first).
    virtual QSize PreviewSize() const;
    virtual QSize PreviewSourceSize() const;
    virtual void PaintPreview(QPainter& painter) const;

    // A new independent style of the same kind with the same id, GUID, name, parameters and
    // relations; its own copies are copies too. Empty when the kind is not registered.
    std::shared_ptr<StyleBase> Copy() const;
    // Takes everything of a style of the same kind but its id and GUID, and its name only when
    // copyName; false (nothing changes) for a style of another kind.
    bool CopyFrom(const StyleBase& source, bool copyName);

    static int SafeGetId(const std::shared_ptr<const StyleBase>& style);
    int GetId() const { return m_id; }
    // Ids are given by the styles container; kOwnStyleId also forgets the GUID.
    void SetId(int id);
    const QString& GetName() const { return m_name; }
    void SetName(const QString& name) { m_name = name; }
    const QUuid& GetGuid() const { return m_guid; }
    void SetGuid(const QUuid& guid) { m_guid = guid; }
    // The GUID as text, or OWN_STYLE_GUID for a style without a GUID.
    QString GetGuidText() const;
    const QUuid& GetSourceOriginalGuid() const { return m_sourceGuid; }
    void SetSourceOriginalGuid(const QUuid& guid) { m_sourceGuid = guid; }

    std::vector<int> GetRelationIds() const;
    std::shared_ptr<StyleBase> GetOwnStyle(int relationId) const;
    // Copies (copy true) or the related styles themselves, by relation id.
    void CopyAllRelatedStylesToMap(RelatedStylesMap& map, bool copy) const;
    // Each own copy takes the settings of the named style its relation points to.
    void CopyRelatedStyleSettingsToOwn();
    // As CopyRelatedStyleSettingsToOwn, then every relation points to its own copy.
    void MakeRelatedStylesOwn();

    void SetChangedParameter(int id, bool changed = true);
    bool IsChangedParameter(int id) const { return m_changed.count(id) != 0; }
    bool HasChangedParameters() const { return !m_changed.empty(); }
    void ClearChangedParameters() { m_changed.clear(); }
    // The base's update of one value parameter (see UpdateChangedParameter).
    void UpdateChangedValueParameter(const StyleBase& source, int id);

    void InvalidatePreview() { m_previewValid = false; }
    // The preview picture, painted again after InvalidatePreview.
    const QImage& Preview() const;
    // The style and every style of the container that relates to it repaint their previews.
    static void InvalidatePreviewForRelatedStyles(const std::shared_ptr<StyleBase>& style);
    static std::shared_ptr<StyleBase> CreateStyleFromType(StyleType type);

    // A reference to a style under a node: "StyleGuid" (OWN_STYLE_GUID for an own style) and
    // "StyleId". RestoreStyle reads it back into a relation.
    static void SerializeStyle(const std::shared_ptr<const StyleBase>& style, Settings& node);
    // A window's style: its id into idNode; the whole style into ownNode when it is an own
    // style or when styles are embedded.
    static void SerializeStyle(const std::shared_ptr<const StyleBase>& style, Settings& idNode, Settings& ownNode,
                               bool embedStyles);
    static void SafeSerialize(const std::shared_ptr<const StyleBase>& style, Settings& node);
    // Nothing for an empty style, a missing node or a node of another kind.
    static void SafeUnserialize(const std::shared_ptr<StyleBase>& style, const Settings& node);
    // A new own style of the kind named under "Type"; empty (logged) when there is none.
    static std::shared_ptr<StyleBase> LoadStyle(const Settings& node);
    // The relation points to the named style of the reference, or to its own copy when the
    // reference names the own style or a style of the kind the container does not hold.
    void RestoreStyle(int relationId, const Settings& referenceNode, StyleType kind);

    // Fonts read from files that name faces of the Windows program are given the free faces
    // that stand for them, while this is on.
    static void EnableFontConversion(bool enable);
    static bool IsFontConversionEnabled();

protected:
    // Gives the relation its own copy and points the relation to it.
    void AddRelation(int relationId, const std::shared_ptr<StyleBase>& ownStyle);
    // The font as stored, converted when font conversion is on.
    static LogFont ConvertFont(const LogFont& font);

private:
    int m_id = kOwnStyleId;
    QString m_name;
    QUuid m_guid;
    QUuid m_sourceGuid;
    std::map<int, std::shared_ptr<StyleBase>> m_ownStyles;
    std::map<int, std::shared_ptr<StyleBase>> m_related;
    std::set<int> m_changed;
    mutable QImage m_preview;
    mutable bool m_previewValid = false;
};
