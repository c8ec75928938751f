#pragma once
// The common part of the style command targets of the list windows (quote table, transaction
// list, transactions monitor): switches and choices on the edited style's values, and groups of
// controls that edit one related text-field style each (its style gallery, font, size, six
// colours and "Skopiuj z..."). The style galleries and copy-from galleries of a group ask the
// target for their special styles: a style gallery shows the relation's own style first and the
// related style checked; a copy-from gallery lists the own copies of every relation that has no
// style of the container, each named after its relation. Main thread only.

#include "styles/engine/SpecialStylesInfo.h"
#include "styles/ui/CmdTargetEditStyleBase.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class CmdTargetEditGridStyleBase : public CmdTargetEditStyleBase
{
public:
    // The ids of a related text-field style's group, in the order gallery, font, size, the colours
    // 2, 4, 6, 3, 5, 7, copy-from.
    struct TextFieldGroup
    {
        int relation;
        std::uint32_t gallery;
        std::uint32_t font;
        std::uint32_t size;
        std::array<std::uint32_t, 6> colours;
        std::uint32_t copyFrom;
    };
    // The text-field parameters of the colour ids of a group, in their order.
    static constexpr std::array<int, 6> kColourParameters = {2, 4, 6, 3, 5, 7};

    // A group whose ids run on from the gallery's: font +1, size +2, colours +3..+8, copy +9.
    static TextFieldGroup ConsecutiveGroup(int relation, std::uint32_t firstId);
    // A group whose gallery and copy-from ids stand apart; the other eight run on from the font's.
    static TextFieldGroup SplitGroup(int relation, std::uint32_t gallery, std::uint32_t copyFrom, std::uint32_t font);

    const SpecialStylesInfo* GetSpecialStylesInfo() const { return m_specialStyles.get(); }

protected:
    // ownCopyName names the own copy of a relation in the copy-from galleries.
    CmdTargetEditGridStyleBase(std::shared_ptr<StyleBase> style, StyleEditModeHandler& handler,
                               std::function<QString(int relation)> ownCopyName);

    // Switches the value between 0 and 1; checked when not 0. afterChange: the session takes the
    // new state (otherwise only the window is redrawn).
    void AddToggle(std::uint32_t id, int parameter, bool afterChange = true);
    // Sets the value; checked while the value holds it.
    void AddChoice(std::uint32_t id, int parameter, qint32 value);
    void AddTextFieldGroup(const TextFieldGroup& group);
    // The window shows the new state, which the session takes as its current one.
    void AfterChange();
    // Answers a style gallery: the relation's own style first, its related style checked.
    void DescribeRelation(NotifyInfo& info, int relation);

private:
    void DescribeOwnCopies(NotifyInfo& info);

    std::function<QString(int)> m_ownCopyName;
    // Kept here: the gallery only gets the address.
    std::shared_ptr<SpecialStylesInfo> m_specialStyles;
};
