#pragma once
// One step of the data-version update: what has to be repaired in the user's data when the
// program runs over data written by another version.

class IDataUpdateForVersionBase
{
public:
    virtual ~IDataUpdateForVersionBase() = default;

    virtual void Update() = 0;
};
