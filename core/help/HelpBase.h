#pragma once
// The program's help, as the edition factory makes it.

class HelpBase
{
public:
    virtual ~HelpBase() = default;
    virtual void ShowHelp() = 0;
};
