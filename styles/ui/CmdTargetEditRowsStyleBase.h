#pragma once
// What the style targets of the details and offers windows share: the grid lines with their
// pen, the two-way choice of the library, "Koloruj", the name, "Skopiuj z...", "Zapisz w
// ustawieniach", "Odrzuć" and "Zapisz"; and the row groups, each editing one related row style
// (a text field): its style gallery, font, six colours and "Skopiuj z...".
//
// The edited window shows the edited style while the mode lasts, so every change, previews
// included, is seen in the real window; on leaving, the window follows the style as it was
// saved or put back. Main thread only.

#include "styles/engine/SpecialStylesInfo.h"
#include "styles/ui/CmdTargetEditStyleBase.h"

#include <QString>

#include <functional>
#include <vector>

class CmdTargetEditRowsStyleBase : public CmdTargetEditStyleBase
{
public:
    // Stores the style's id as the one new windows of the library start with.
    using SaveInSettings = std::function<void(int styleId)>;

    struct RowGroup
    {
        int relation;
        // The name of the copy of an own row style in the copy-from galleries.
        QString ownCopyName;
        std::uint32_t styleGallery;
        std::uint32_t fontName;
        std::uint32_t fontSize;
        // Font, font on a rise, on a fall, background, on a rise, on a fall.
        std::uint32_t colours[6];
        std::uint32_t copyFrom;
    };

    struct General
    {
        std::uint32_t horizontalGrid;
        int horizontalParameter;
        std::uint32_t verticalGrid;
        int verticalParameter;
        std::uint32_t penColour;
        std::uint32_t penType;
        std::uint32_t penWidth;
        // The two-way choice: the id that sets 1, the one that sets 0, the parameter.
        std::uint32_t choiceOne;
        std::uint32_t choiceZero;
        int choiceParameter;
        std::uint32_t colouring;
        std::uint32_t copyFrom;
        std::uint32_t name;
        std::uint32_t discard;
        std::uint32_t saveInSettings;
        std::uint32_t save;
    };

    // The last answer to a gallery's request for its special styles.
    const std::shared_ptr<SpecialStylesInfo>& GetGalleryInfo() const { return m_galleryInfo; }

protected:
    CmdTargetEditRowsStyleBase(std::shared_ptr<StyleBase> style, StyleEditModeHandler& handler,
                               SaveInSettings saveInSettings, const General& general, std::vector<RowGroup> rows);

private:
    void AddGeneral(const General& general);
    void AddRow(const RowGroup& row);
    void AnswerCopyFrom(NotifyInfo& info);
    void Answer(NotifyInfo& info, std::shared_ptr<SpecialStylesInfo> galleryInfo);

    SaveInSettings m_saveInSettings;
    std::vector<RowGroup> m_rows;
    std::shared_ptr<SpecialStylesInfo> m_galleryInfo;
};
