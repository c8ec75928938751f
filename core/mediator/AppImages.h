#pragma once
// The application's images that module libraries ask for by an index of their own: four tables
// from index to image resource id, and the loading of an image over the light colour of the
// palette. Main thread only.

#include <QPixmap>

#include <cstdint>
#include <optional>

class AppImages
{
public:
    static constexpr int kImageSize = 16;

    // Index 100..117.
    static std::optional<std::uint32_t> IndexedPngImageId(int index);
    // Index 0 or 1.
    static std::optional<std::uint32_t> TogglePngImageAId(int index);
    // Index 0..3.
    static std::optional<std::uint32_t> IndexedPngImageOf4Id(int index);
    // Index 0 or 1.
    static std::optional<std::uint32_t> TogglePngImageBId(int index);

    // The image of the resource id, or nothing done and false when there is no id.
    static bool Load(std::optional<std::uint32_t> resourceId, QPixmap& image);
};
