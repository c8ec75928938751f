#pragma once
// The main settings of the files-generator window that the ribbon changes.

class IFilesGeneratorSettings
{
public:
    virtual ~IFilesGeneratorSettings() = default;

    virtual void SetColumnsLocked(bool locked) = 0;
    virtual bool AreColumnsLocked() const = 0;
};
