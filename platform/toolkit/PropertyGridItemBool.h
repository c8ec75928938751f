#pragma once
// A yes/no value, shown as a check box or as one of two texts ("Tak" / "Nie" unless the
// program gives others).

#include "platform/toolkit/PropertyGridItem.h"

class PropertyGridItemBool : public PropertyGridItem
{
public:
    PropertyGridItemBool(QString caption, bool value);

    bool GetBool() const { return m_bool; }
    void SetBool(bool value);
    bool EditBool(bool value, QString* errorText = nullptr);
    // Takes either text (ignoring case and surrounding blanks).
    bool EditValue(const QString& text, QString* errorText = nullptr) override;

    void SetCheckBoxStyle(bool checkBox = true);
    bool IsCheckBoxStyle() const { return m_checkBox; }
    void SetTrueFalseText(const QString& trueText, const QString& falseText);
    const QString& GetTrueText() const { return m_trueText; }
    const QString& GetFalseText() const { return m_falseText; }

    EditorKind GetEditorKind() const override { return EditorKind::Bool; }

private:
    bool m_bool;
    bool m_checkBox = false;
    QString m_trueText;
    QString m_falseText;
};
