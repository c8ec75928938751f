#pragma once
// The style controls of the quote tables' tabs: a button whose popup lists the stored styles of
// one element (column, instrument, cells), and "Więcej opcji", a popup with that element's
// colours (each a submenu of colours), its font-size steps and its restores. The quote-table
// command target handles what they send. Main thread only.

#include <QString>

#include <cstdint>
#include <initializer_list>

class RibbonControl;
class RibbonGroupBase;

namespace TableStyleRibbonControls
{
// What names a text-field style in a gallery's "Podgląd i edycja stylu ..." entry.
QString TextFieldKindText();

// A large popup button whose popup holds the gallery of stored text-field styles under its own id.
RibbonControl* AddElementStylePopup(RibbonGroupBase* group, std::uint32_t buttonId, std::uint32_t galleryId);

struct ColorSection
{
    // A header of the section; null for none.
    const char16_t* header;
    std::initializer_list<std::uint32_t> colors;
};

// "Więcej opcji": the sections' colour submenus, then the font commands, then the restores.
RibbonControl* AddMoreOptions(RibbonGroupBase* group, std::initializer_list<ColorSection> sections,
                              std::initializer_list<std::uint32_t> fonts, std::initializer_list<std::uint32_t> restores);
}
