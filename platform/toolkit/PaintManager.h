#pragma once
// The toolkit's current look, one for the process as the ribbon toolkit had it: the ribbon's
// colours and the painter of its surfaces, the colours other windows ask for by toolkit colour
// index (popup gradients, caption bars) and the colours a theme gives named parts (section
// "Toolbar", key "ControlGallerySelected"). Views read it whenever they paint and repaint when
// it changes. Main thread only.

#include "platform/toolkit/RibbonPaintManager.h"
#include "platform/toolkit/RibbonPalette.h"

#include <QColor>
#include <QHash>
#include <QObject>
#include <QString>

#include <memory>

class PaintManager : public QObject
{
    Q_OBJECT

public:
    static PaintManager& Instance();

    const RibbonPalette& GetRibbonPalette() const { return m_ribbonPalette; }
    void SetRibbonPalette(const RibbonPalette& palette);

    // The colour of a toolkit colour index; the ribbon's frame colour for an index the look
    // does not set.
    QColor GetXtremeColor(int index) const;
    void SetXtremeColors(const QHash<int, QColor>& colors);

    // The colour the look gives a named part (names match without regard to case); the
    // fallback when it gives none.
    QColor GetImageColor(const QString& section, const QString& key, const QColor& fallback = QColor()) const;
    // Replaces every named colour; keys are ImageColorKey(section, key).
    void SetImageColors(const QHash<QString, QColor>& colors);
    static QString ImageColorKey(const QString& section, const QString& key);

    const RibbonPaintManager& GetRibbonPaintManager() const { return *m_ribbonPaintManager; }
    // Null puts the toolkit's own painter back.
    void SetRibbonPaintManager(std::unique_ptr<RibbonPaintManager> paintManager);

signals:
    // Every change; views repaint.
    void changed();

private:
    PaintManager();

    RibbonPalette m_ribbonPalette;
    QHash<int, QColor> m_xtremeColors;
    QHash<QString, QColor> m_imageColors;
    std::unique_ptr<RibbonPaintManager> m_ribbonPaintManager;
};
