#include "ribbon/themes/KelvoraRibbonPaintManager.h"

#include "platform/toolkit/RibbonPalette.h"
#include "ribbon/QuorvantaTab.h"

#include <QLinearGradient>
#include <QPainter>

#include <array>

namespace
{
constexpr std::array<const char*, 7> kColorWords = {"BLUE", "YELLOW", "GREEN", "RED", "PURPLE", "CYAN", "ORANGE"};

const QString& PlainGroupsImage()
{
    static const QString name = QStringLiteral("RIBBONGROUPS");
    return name;
}

QColor Blend(const QColor& base, const QColor& tint, double share)
{
    return QColor::fromRgbF(static_cast<float>(base.redF() * (1 - share) + tint.redF() * share),
                            static_cast<float>(base.greenF() * (1 - share) + tint.greenF() * share),
                            static_cast<float>(base.blueF() * (1 - share) + tint.blueF() * share));
}

// The context tint is light at the top and stronger at the bottom, as the theme images were.
constexpr double kTopTint = 0.12;
constexpr double kBottomTint = 0.28;
}

QString KelvoraRibbonPaintManager::GetContextColorWord(int color)
{
    if (color < 1 || color > static_cast<int>(kColorWords.size()))
        return {};
    return QString::fromLatin1(kColorWords[static_cast<std::size_t>(color - 1)]);
}

QString KelvoraRibbonPaintManager::GetContextTabImageName(const QString& colorWord)
{
    return QStringLiteral("CONTEXTTAB%1CLIENT").arg(colorWord);
}

QString KelvoraRibbonPaintManager::GetGroupsBackgroundImageName(const RibbonTabBase* tab)
{
    if (tab == nullptr || !tab->IsContextTab())
        return PlainGroupsImage();
    const auto* quorvantaTab = dynamic_cast<const QuorvantaTab*>(tab);
    if (quorvantaTab != nullptr && quorvantaTab->GetLevel() == RibbonTabLevelMain)
        return PlainGroupsImage();
    return GetContextTabImageName(GetContextColorWord(tab->GetContextColor()));
}

void KelvoraRibbonPaintManager::FillGroupsBackground(QPainter& painter, const RibbonTabBase* tab, const QRect& rect,
                                                     const RibbonPalette& palette) const
{
    if (GetGroupsBackgroundImageName(tab) == PlainGroupsImage())
    {
        RibbonPaintManager::FillGroupsBackground(painter, tab, rect, palette);
        return;
    }
    // A colour without an image of its own draws nothing, as a missing theme image did.
    if (GetContextColorWord(tab->GetContextColor()).isEmpty())
        return;
    const QColor color = palette.ContextColor(tab->GetContextColor());
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, Blend(palette.groupRowTop, color, kTopTint));
    gradient.setColorAt(1, Blend(palette.groupRowBottom, color, kBottomTint));
    painter.fillRect(rect, gradient);
}
