#include "platform/toolkit/PropertyGriditemFilePath.h"

PropertyGriditemFilePath::PropertyGriditemFilePath(QString caption, QString value)
    : PropertyGridItem(std::move(caption), std::move(value))
{
}

PropertyGriditemFilePath::PropertyGriditemFilePath(QString caption, QString filter, QString extension, QString value)
    : PropertyGridItem(std::move(caption), std::move(value))
    , m_filter(std::move(filter))
    , m_extension(std::move(extension))
{
}
