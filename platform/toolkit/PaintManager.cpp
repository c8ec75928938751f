#include "platform/toolkit/PaintManager.h"

PaintManager::PaintManager()
    : m_ribbonPaintManager(std::make_unique<RibbonPaintManager>())
{
}

PaintManager& PaintManager::Instance()
{
    // Never destroyed: views that outlive main() may still ask it while they go.
    static auto* instance = new PaintManager;
    return *instance;
}

void PaintManager::SetRibbonPalette(const RibbonPalette& palette)
{
    m_ribbonPalette = palette;
    emit changed();
}

QColor PaintManager::GetXtremeColor(int index) const
{
    return m_xtremeColors.value(index, m_ribbonPalette.frame);
}

void PaintManager::SetXtremeColors(const QHash<int, QColor>& colors)
{
    m_xtremeColors = colors;
    emit changed();
}

QColor PaintManager::GetImageColor(const QString& section, const QString& key, const QColor& fallback) const
{
    return m_imageColors.value(ImageColorKey(section, key), fallback);
}

void PaintManager::SetImageColors(const QHash<QString, QColor>& colors)
{
    m_imageColors = colors;
    emit changed();
}

QString PaintManager::ImageColorKey(const QString& section, const QString& key)
{
    return section.toLower() + QLatin1Char('/') + key.toLower();
}

void PaintManager::SetRibbonPaintManager(std::unique_ptr<RibbonPaintManager> paintManager)
{
    m_ribbonPaintManager = paintManager ? std::move(paintManager) : std::make_unique<RibbonPaintManager>();
    emit changed();
}
