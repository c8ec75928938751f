#pragma once
// String-table ids of the property grid's texts: the values it shows and the messages with
// which it refuses a typed value.

#include <cstdint>

namespace PropertyGridStrings
{
inline constexpr std::uint32_t kTrue = 61150;
inline constexpr std::uint32_t kFalse = 61151;
inline constexpr std::uint32_t kNotInteger = 61152;       // %1 the text
inline constexpr std::uint32_t kOutOfRange = 61153;       // %1 smallest, %2 greatest
inline constexpr std::uint32_t kNotNumber = 61154;        // %1 the text
inline constexpr std::uint32_t kBadSize = 61155;
inline constexpr std::uint32_t kBadColor = 61156;
inline constexpr std::uint32_t kBadDate = 61157;          // %1 the text, %2 the form
inline constexpr std::uint32_t kBadTime = 61158;          // %1 the text, %2 the form
inline constexpr std::uint32_t kBadDateTime = 61159;      // %1 the text, %2 the form
inline constexpr std::uint32_t kNotAChoice = 61160;       // %1 the text
inline constexpr std::uint32_t kReadOnly = 61161;
inline constexpr std::uint32_t kUseButton = 61162;
inline constexpr std::uint32_t kUnknownPenStyle = 61163;
inline constexpr std::uint32_t kBadPenWidth = 61164;      // %1 the greatest width
inline constexpr std::uint32_t kAutomaticColor = 61165;
inline constexpr std::uint32_t kFontDescription = 61166;  // %1 face, %2 points
inline constexpr std::uint32_t kFontBold = 61167;
inline constexpr std::uint32_t kFontItalic = 61168;
inline constexpr std::uint32_t kDefaultFont = 61169;
inline constexpr std::uint32_t kPenStyleFirst = 61170;    // solid .. inside frame, by style code
inline constexpr std::uint32_t kPenDescription = 61177;   // %1 style, %2 width, %3 colour
}
