#pragma once
// What the application mediator is made with: the edition factory, and the parts of the
// program that it reaches but that come from above it (the settings, the in-process modules,
// the cloud module, the formula language, the message popups). An empty part leaves the program
// without it: the mediator then skips what needs it and says so in the log where a user would
// miss it.

#include "core/mediator/ICloudModule.h"
#include "core/mediator/IFramePoster.h"
#include "core/mediator/IInProcessAlertModule.h"
#include "core/mediator/IInProcessSessionStatistics.h"
#include "core/mediator/IMediatorSettings.h"
#include "core/mediator/IMessagePopups.h"
#include "core/mediator/IStyleEditModeHandler.h"
#include "core/mediator/Quorvanta4FactoryBase.h"

#include <functional>
#include <memory>
#include <set>

class Asset;
struct AssetsGroupId;
class KFLFasade;
class QWidget;

struct AppMediatorSetup
{
    std::shared_ptr<Quorvanta4FactoryBase> factory;
    // The general settings manager and the global settings.
    std::shared_ptr<IMediatorSettings> settings;
    // The in-process modules, made while the mediator initialises.
    std::function<std::shared_ptr<IInProcessAlertModule>()> makeAlertModule;
    std::function<std::shared_ptr<IInProcessSessionStatistics>()> makeSessionStatistics;
    // The cloud module, made once when the mediator initialises.
    std::function<std::shared_ptr<ICloudModule>()> makeCloudModule;
    // The formula language's facade, whose module travels with the session.
    KFLFasade* formulaLanguage = nullptr;
    // Empty: the plain popups.
    std::shared_ptr<IMessagePopups> popups;
    // Empty: posting through the frame's window handle.
    std::shared_ptr<IFramePoster> poster;
    // The style edit mode; empty: no style is ever edited.
    std::shared_ptr<IStyleEditModeHandler> styleEditMode;
    // The modal choice of many instruments (parent, the instruments and groups shown checked,
    // changed in place); true on OK. Empty: the program's dialog.
    std::function<bool(QWidget* parent, std::set<Asset>& assets, std::set<AssetsGroupId>& groups)> chooseManyAssets;
};
