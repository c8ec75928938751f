#pragma once
// The tab of the files-generator window: "Pliki tekstowe" under the green header, with the
// column lock, the instruments' commands and the operations (the history-range popup and the
// output folder). The tab builds its groups on its first preparation.

#include "ribbon/QuorvantaTab.h"
#include "ribbon/RibbonTabsCreator.h"

class AppFilesGeneratorConsumer;
class RibbonFilesGeneratorTabs;

class FilesGeneratorTab : public QuorvantaTab
{
public:
    explicit FilesGeneratorTab(RibbonFilesGeneratorTabs& creator);

protected:
    bool CreateGroups() override;

private:
    RibbonFilesGeneratorTabs& m_creator;
};

class RibbonFilesGeneratorTabs : public RibbonTabsCreator
{
public:
    RibbonFilesGeneratorTabs(RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar,
                             AppFilesGeneratorConsumer* consumer);

    // False without the library's consumer, or when the tab cannot be added.
    bool CreateTabs() override;
    bool CreateGroups(QuorvantaTab& tab);

private:
    AppFilesGeneratorConsumer* m_consumer;
};
