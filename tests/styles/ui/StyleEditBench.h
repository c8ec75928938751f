#pragma once
// A small workspace for style edit tests: a ribbon with one main tab and the edition's style
// tabs, a panel holding the edited window among two siblings (one of them hidden), the style
// edit mode over a fake frame, and a text-field style kept by the styles container, edited by
// a test target that declares a colour, the font's face and size and the name.

#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/RibbonTabBase.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/NotifyInfo.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"
#include "styles/engine/StyleTextField.h"
#include "styles/engine/StylesContainer.h"
#include "styles/ui/StyleEditModeHandler.h"
#include "styles/ui/StyleEditTabsQ4Classic.h"
#include "tests/support/ribbon/FakeRibbonTabsCreatorsFactory.h"
#include "tests/support/ribbon/FakeRibbonsFactoryOwner.h"
#include "tests/support/ribbon/TestTabsCreator.h"
#include "tests/support/styles/FakeStyleEditHost.h"
#include "tests/support/styles/TestTextFieldTarget.h"
#include "tests/support/ui/FakeModuleWnd.h"
#include "tests/support/ui/TestApplication.h"

#include <QApplication>
#include <QWidget>


class StyleEditBench
{
public:
    StyleEditBench()
    {
        creators->Set("main", [](RibbonsFactory& factory, QuorvantaRibbonBar& ribbonBar) {
            return std::make_shared<TestTabsCreator>(factory, ribbonBar, TestTabsCreator::Kind::Main, nullptr,
                                                     std::vector<TestTabsCreator::TabLayout>{
                                                         {TestTextFieldIds::MAIN_TAB, RibbonTabLevelMain}});
        });
        creators->SetStyleEdit([this](std::vector<IRibbonTabsCreatorsFactory::Creator>& list) {
            CreateStyleEditTabsQ4Classic(factory, *factory.GetRibbonBar(), list);
        });
        factory.CreateRibbon();

        panel.resize(400, 300);
        window = new FakeModuleWnd(nullptr, nullptr, &panel);
        window->setGeometry(10, 20, 100, 80);
        shownSibling = new QWidget(&panel);
        hiddenSibling = new QWidget(&panel);
        hiddenSibling->hide();

        host->factory = &factory;
        host->activeWindow = window;
        host->mainWindow = &panel;
        handler.RegisterCmdTarget(StyleTextField::Type, [this](const std::shared_ptr<StyleBase>& edited,
                                                               StyleEditModeHandler& owner) {
            auto made = std::make_shared<TestTextFieldTarget>(edited, owner);
            target = made.get();
            return made;
        });

        style = StyleTextField::CreateInstance();
        style->SetName(QStringLiteral("Pole testowe"));
        StylesContainer::Instance().AddStyle(style);
    }

    ~StyleEditBench()
    {
        handler.LeaveEditStyleMode();
        StylesContainer::Instance().RemoveStyle(style->GetId());
    }

    QuorvantaRibbonBar& Ribbon() { return *factory.GetRibbonBar(); }
    std::uint32_t SelectedTab() { return Ribbon().GetSelectedTab() ? Ribbon().GetSelectedTab()->GetID() : 0; }
    void Begin() { handler.BeginEditStyle(style, QStringLiteral("Podgląd i edycja stylu pola")); }

    // A gallery of the command with the given item ids.
    static std::unique_ptr<GalleryControl> Gallery(std::uint32_t id, std::initializer_list<std::int32_t> items)
    {
        auto gallery = std::make_unique<GalleryControl>(id);
        for (const std::int32_t item : items)
            gallery->AddItem(static_cast<std::uint32_t>(item), QString::number(item));
        return gallery;
    }
    // The gallery's notification with the item at the index hovered (-1: none).
    bool Notify(GalleryControl& gallery, int code, int index)
    {
        gallery.SetSelectedItem(index);
        NotifyInfo info(gallery.GetID(), code, &gallery);
        return handler.GetEditedCmdTarget() && handler.GetEditedCmdTarget()->SendNotify(info);
    }
    bool Notify(QObject& control, std::uint32_t id, int code = NotifyCodes::Execute)
    {
        NotifyInfo info(id, code, &control);
        return handler.GetEditedCmdTarget() && handler.GetEditedCmdTarget()->SendNotify(info);
    }
    bool Command(std::uint32_t id)
    {
        CmdTarget* edited = handler.GetEditedCmdTarget();
        return edited && edited->ExecuteCommand(id);
    }

    // Before every widget.
    QApplication& application = TestApplication::Ensure();
    FakeRibbonsFactoryOwner owner;
    std::shared_ptr<FakeRibbonTabsCreatorsFactory> creators = std::make_shared<FakeRibbonTabsCreatorsFactory>();
    RibbonsFactory factory{owner, creators};
    QWidget panel;
    FakeModuleWnd* window = nullptr;
    QWidget* shownSibling = nullptr;
    QWidget* hiddenSibling = nullptr;
    std::shared_ptr<FakeStyleEditHost> host = std::make_shared<FakeStyleEditHost>();
    StyleEditModeHandler handler{host};
    TestTextFieldTarget* target = nullptr;
    std::shared_ptr<StyleTextField> style;
};
