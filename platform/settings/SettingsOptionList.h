#pragma once
// The choices of a settings node of the option-list type: each option is a node of its
// own with a caption (display name) and a value, and one option is the current one.
// The list is dialog metadata: it is built when the dialog is filled and is not saved.

#include <memory>
#include <vector>

class Settings;

class SettingsOptionList
{
public:
    SettingsOptionList();
    SettingsOptionList(const SettingsOptionList& other);  // copies the option nodes
    SettingsOptionList& operator=(const SettingsOptionList& other);
    ~SettingsOptionList();

    int Size() const { return static_cast<int>(m_options.size()); }
    // The option at the index; the invalid node when out of range.
    Settings& operator[](int index);
    const Settings& operator[](int index) const;
    // Appends a new empty option and gives it for filling.
    Settings& AddOption();

    int CurrentOptionID() const { return m_current; }
    // False (and no change) for an index out of range.
    bool SetCurrentOptionID(int index);

    // The list of the invalid node: empty, and every change to it is ignored.
    static SettingsOptionList& Frozen();

private:
    struct FrozenTag
    {
    };
    explicit SettingsOptionList(FrozenTag) : m_frozen(true) {}

    std::vector<std::shared_ptr<Settings>> m_options;
    int m_current = 0;
    bool m_frozen = false;
};
