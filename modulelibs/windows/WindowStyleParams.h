#pragma once
// The display parameters of one module window, kept on the window's own copy of its style so
// that the ribbon can preview a colour or a font size, cancel it, apply it or go back to the
// style the window follows. Row group g is the style's related text-field style g + 1 (odd
// rows, even rows, then the rising and falling colours of a transaction list); the group past
// the last text field addresses the window style itself. Main thread only.

#include <QString>

#include <cstdint>
#include <memory>

class StyleBase;
class Settings;

class WindowStyleParams
{
public:
    // Special values of ChangeParam.
    static constexpr std::int32_t kStyleValue = 0x7FFFFFFF;
    static constexpr std::int32_t kStepLarger = 0x7FFFFFFE;
    static constexpr std::int32_t kStepSmaller = 0x7FFFFFFD;
    // The parameter code of the font size.
    static constexpr int kFontSize = 12;
    static constexpr int kMinFontPixels = 6;
    static constexpr int kMaxFontPixels = 40;

    // textFieldGroups: the row groups that are text fields; the next group is the style itself.
    WindowStyleParams(std::shared_ptr<StyleBase> style, int textFieldGroups);

    // The window follows this style (a copy is kept; named relations become own copies).
    void Follow(const std::shared_ptr<StyleBase>& style);
    // The id of the followed style; StyleBase::kOwnStyleId for none of the container.
    int FollowedStyleId() const;

    // Changes the working copy; false for an unknown group or parameter.
    bool ChangeParam(int group, int param, std::int32_t value);
    // The working copy's value; colours as 0x00BBGGRR, the font size in pixels.
    std::int32_t GetParam(int group, int param) const;
    void Cancel();
    void Apply();
    // Back to the followed style, edits dropped.
    void Restore();

    // Previews another style in place of the followed one; false when it is of another kind.
    bool PreviewStyle(const std::shared_ptr<StyleBase>& style);
    void CancelPreviewStyle();
    void ApplyPreviewStyle();

    // The window paints with the style itself (not a copy) while it is edited; EndEdited has it
    // follow the style as the edit left it.
    void ShowEdited(const std::shared_ptr<StyleBase>& style);
    void EndEdited();

    // What the window paints with.
    const StyleBase& Current() const { return *m_working; }
    const StyleBase* TextField(int group) const;

    // The followed style's id, and the own edits as a whole style.
    void Save(Settings& node) const;
    // Follows the style that resolve gives for the saved id (or keeps the current one), then
    // takes the saved own edits; a node of another kind is ignored.
    void Load(const Settings& node, const std::shared_ptr<StyleBase>& followed);

private:
    StyleBase* Target(StyleBase& style, int group) const;
    static std::shared_ptr<StyleBase> OwnCopy(const StyleBase& style);

    int m_textFieldGroups;
    std::shared_ptr<StyleBase> m_followed;   // as the followed style is, never edited
    std::shared_ptr<StyleBase> m_committed;  // the followed style with the applied edits
    std::shared_ptr<StyleBase> m_working;    // what the window shows, previews included
    std::shared_ptr<StyleBase> m_previewFollowed;  // a previewed style, until applied or cancelled
    std::shared_ptr<StyleBase> m_edited;           // the style the style edit mode edits, while it does
};
