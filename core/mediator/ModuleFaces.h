#pragma once
// The other faces a module may have beside IGenericModule, found at run time. Kept in a file of
// its own: the alert-argument headers cannot share a file with the data-series header.

class IAlertArgumentSource;
class IGenericModule;

class ModuleFaces
{
public:
    // The module as a source of alert arguments; null when it offers none.
    static IAlertArgumentSource* AlertArgumentSource(IGenericModule* module);
};
