#include "core/mediator/AppImages.h"

#include "platform/ui/Images.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

#include <array>
#include <span>

namespace
{
constexpr std::array<std::uint32_t, 18> kIndexed = {615, 617, 618, 619, 621, 726, 724, 702, 889,
                                                    753, 751, 888, 737, 602, 701, 873, 426, 427};
constexpr int kFirstIndexed = 100;
constexpr std::array<std::uint32_t, 2> kToggleA = {704, 517};
constexpr std::array<std::uint32_t, 4> kOf4 = {854, 855, 648, 602};
constexpr std::array<std::uint32_t, 2> kToggleB = {667, 591};

std::optional<std::uint32_t> At(std::span<const std::uint32_t> table, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= table.size())
        return std::nullopt;
    return table[static_cast<std::size_t>(index)];
}
}

std::optional<std::uint32_t> AppImages::IndexedPngImageId(int index)
{
    return At(kIndexed, index - kFirstIndexed);
}

std::optional<std::uint32_t> AppImages::TogglePngImageAId(int index)
{
    return At(kToggleA, index);
}

std::optional<std::uint32_t> AppImages::IndexedPngImageOf4Id(int index)
{
    return At(kOf4, index);
}

std::optional<std::uint32_t> AppImages::TogglePngImageBId(int index)
{
    return At(kToggleB, index);
}

bool AppImages::Load(std::optional<std::uint32_t> resourceId, QPixmap& image)
{
    if (!resourceId)
        return false;
    QPixmap composed(kImageSize, kImageSize);
    composed.fill(QApplication::palette().color(QPalette::Light));
    QPainter painter(&composed);
    Images::Instance().Icon(*resourceId).paint(&painter, composed.rect());
    painter.end();
    image = composed;
    return true;
}
