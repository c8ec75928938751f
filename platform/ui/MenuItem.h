#pragma once
// One entry of a menu table, the program's form of a menu resource: a command with its id
// and text ("&" marks the mnemonic, "\t" precedes the shortcut text), a separator, or a popup
// with its own entries.

#include <QString>

#include <cstdint>
#include <vector>

struct MenuItem
{
    std::uint32_t id = 0;
    QString text;
    std::vector<MenuItem> popup;
    bool grayed = false;

    static MenuItem Command(std::uint32_t id, const QString& text, bool grayed = false)
    {
        return MenuItem{id, text, {}, grayed};
    }
    static MenuItem Separator() { return MenuItem{}; }
    static MenuItem Popup(const QString& text, std::vector<MenuItem> items)
    {
        return MenuItem{0, text, std::move(items), false};
    }

    bool IsSeparator() const { return id == 0 && text.isEmpty() && popup.empty(); }
};

using MenuTable = std::vector<MenuItem>;
