#pragma once
// A style kind whose parameters and relations are given by a table: values, flags and colours
// through GetValue / SetValue, pens and fonts through GetGdiObject / SetGdiObject, each stored
// under its key; each relation stored as a reference under its key and its own copy under
// "OwnStyles". The style kinds of the module windows derive from it and add their preview.

#include "styles/engine/StyleBase.h"
#include "styles/engine/StyleParameterDef.h"

#include <map>

class ParameterTableStyle : public StyleBase
{
public:
    qint32 GetValue(int id) const override;
    void SetValue(int id, qint32 value) override;
    GdiObject GetGdiObject(int id) const override;
    void SetGdiObject(int id, const GdiObject& object) override;
    void Serialize(Settings& node) const override;
    void Unserialize(const Settings& node) override;
    void CopySettingsFromSelectedStyle(const std::shared_ptr<const StyleBase>& source) override;
    void UpdateChangedParameter(const StyleBase& source, int id) override;
    void UpdateChangedParameters(const StyleBase& source) override;

    const StyleParameterTable& Parameters() const { return m_parameters; }
    const StyleRelationTable& Relations() const { return m_relations; }

protected:
    // The tables outlive every style (each kind keeps them as statics).
    ParameterTableStyle(const StyleParameterTable& parameters, const StyleRelationTable& relations);

    // A font on its way into the style; kinds that limit fonts change it here.
    virtual LogFont AdjustFont(const LogFont& font) const { return font; }

private:
    const StyleParameterDef* FindParameter(int id) const;
    void ReadParameter(const StyleParameterDef& parameter, const Settings& node);

    const StyleParameterTable& m_parameters;
    const StyleRelationTable& m_relations;
    std::map<int, qint32> m_values;
    std::map<int, GdiObject> m_objects;
};
