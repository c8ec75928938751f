#pragma once
// A file path, typed or chosen in the file dialog with the item's filter (written
// "Description (*.ext)|*.ext||") and default extension.

#include "platform/toolkit/PropertyGridItem.h"

class PropertyGriditemFilePath : public PropertyGridItem
{
public:
    PropertyGriditemFilePath(QString caption, QString value);
    PropertyGriditemFilePath(QString caption, QString filter, QString extension, QString value);

    const QString& GetFilter() const { return m_filter; }
    const QString& GetExtension() const { return m_extension; }

    EditorKind GetEditorKind() const override { return EditorKind::FilePath; }

private:
    QString m_filter;
    QString m_extension;
};
