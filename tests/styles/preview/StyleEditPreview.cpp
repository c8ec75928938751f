// A window to look at the style edit mode on a display: a panel holding a text-field window
// beside another window, under the program's ribbon. Shortly after the start the text field's
// style is edited: the window stands alone and centred, the ribbon shows "Styl pola" with a
// font-colour popup, a font-size combo and "Zmiany". Hovering a colour previews it in the
// window; "Odrzuć" puts it back and "Zapisz" keeps it. No module window of the program can be
// edited yet, so this stands in for one.

#include "platform/toolkit/CommandBars.h"
#include "platform/toolkit/RibbonBarView.h"
#include "platform/toolkit/RibbonComboBoxControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "ribbon/IRibbonsFactoryOwner.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/RibbonsFactory.h"
#include "ribbon/controls/RibbonColorPopupBuilders.h"
#include "ribbon/controls/RibbonComboBuilders.h"
#include "ribbon/controls/RibbonGlobals.h"
#include "styles/ui/RibbonStyleEditTabs.h"
#include "styles/ui/StyleEditModeHandler.h"
#include "tests/support/ribbon/FakeRibbonTabsCreatorsFactory.h"
#include "tests/support/ribbon/TestTabsCreator.h"
#include "tests/support/styles/FakeStyleEditHost.h"
#include "tests/support/styles/TestTextFieldTarget.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QTimer>

using namespace TestTextFieldIds;

namespace
{
// Draws three rows of quotes with the text-field style.
class TextFieldWindow : public ModuleWndBase
{
public:
    TextFieldWindow(std::shared_ptr<StyleBase> style, QWidget* parent)
        : ModuleWndBase(parent)
        , m_style(std::move(style))
    {
    }
    IGenericModule* GetModule() const override { return nullptr; }
    CmdTarget* GetCmdTarger() const override { return nullptr; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const auto colour = [this](int parameter) {
            return ColorRef(static_cast<quint32>(m_style->GetValue(parameter))).ToQColor(Qt::black);
        };
        painter.fillRect(rect(), colour(StyleTextField::ParamBkColor));
        painter.setFont(m_style->GetGdiObject(StyleTextField::ParamFont).Font()->ToQFont());
        painter.setPen(colour(StyleTextField::ParamFontColor));
        const QStringList rows = {QStringLiteral("KGHM   152,40"), QStringLiteral("PKOBP   48,15"),
                                  QStringLiteral("ORLEN   61,02")};
        for (int row = 0; row < rows.size(); ++row)
            painter.drawText(QRect(8, 8 + row * 36, width() - 16, 32), Qt::AlignVCenter, rows[row]);
    }

private:
    std::shared_ptr<StyleBase> m_style;
};

// Offers every command to the edited style's target, as the main frame does while editing.
class EditModeRouting : public CmdTarget
{
public:
    explicit EditModeRouting(StyleEditModeHandler*& handler) : m_handler(handler) {}
    bool OnCmdMsg(std::uint32_t id, int code, void* extra) override
    {
        CmdTarget* edited = m_handler ? m_handler->GetEditedCmdTarget() : nullptr;
        return edited && edited->OnCmdMsg(id, code, extra);
    }

private:
    StyleEditModeHandler*& m_handler;
};

class Owner : public IRibbonsFactoryOwner
{
public:
    explicit Owner(CmdTarget& routing) { m_commandBars.SetCommandTarget(&routing); }
    CommandBars* GetCommandBars() override { return &m_commandBars; }
    bool IsExtendedMode() const override { return false; }

private:
    CommandBars m_commandBars;
};

const StyleEditTabsLayout& PreviewLayout()
{
    static const StyleEditTabsLayout layout{
        StyleTypes::TextField, {{TEXT_FIELD_TAB, {{59}, {78, QStringLiteral("Zmiany"), true}}}}, ID_DISCARD, ID_SAVE};
    return layout;
}

bool AddFontControls(RibbonGroupBase& group)
{
    RibbonControl* colour = AddColorPopupButton(&group, ID_COLOUR);
    RibbonControl* size = AddFontSizeCombo(&group, ID_FONT_SIZE);
    if (colour == nullptr || size == nullptr)
        return false;
    colour->SetCaption(QStringLiteral("Kolor czcionki"));
    colour->SetStyle(RibbonControlStyle::Large);
    return true;
}
}

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    StyleEditModeHandler* handler = nullptr;
    EditModeRouting routing(handler);
    Owner owner(routing);

    auto creators = std::make_shared<FakeRibbonTabsCreatorsFactory>();
    auto factory = std::make_shared<RibbonsFactory>(owner, creators);
    SetGlobalRibbonsFactory(factory);
    creators->Set("main", [](RibbonsFactory& made, QuorvantaRibbonBar& ribbonBar) {
        return std::make_shared<TestTabsCreator>(made, ribbonBar, TestTabsCreator::Kind::Main, nullptr,
                                                 std::vector<TestTabsCreator::TabLayout>{{MAIN_TAB, RibbonTabLevelMain}});
    });
    creators->SetStyleEdit([&factory](std::vector<IRibbonTabsCreatorsFactory::Creator>& list) {
        list.push_back(std::make_shared<RibbonStyleEditTabs>(*factory, *factory->GetRibbonBar(), PreviewLayout(),
                                                             std::map<std::uint32_t, RibbonStyleEditTabs::GroupFiller>{
                                                                 {59, AddFontControls}}));
    });
    if (!factory->CreateRibbon())
        return 1;

    auto style = StyleTextField::CreateInstance();
    style->SetName(QStringLiteral("Pole"));
    StylesContainer::Instance().AddStyle(style);

    QMainWindow frame;
    frame.setWindowTitle(QStringLiteral("Quorvanta 4"));
    frame.setMenuWidget(new RibbonBarView(*factory->GetRibbonBar(), &frame));
    auto* panel = new QWidget(&frame);
    panel->setAutoFillBackground(true);
    frame.setCentralWidget(panel);
    auto* window = new TextFieldWindow(style, panel);
    window->setGeometry(20, 20, 260, 120);
    auto* other = new QLabel(QStringLiteral("Inne okno panelu"), panel);
    other->setGeometry(320, 20, 240, 120);
    other->setFrameShape(QFrame::Box);

    auto host = std::make_shared<FakeStyleEditHost>();
    host->factory = factory.get();
    host->activeWindow = window;
    host->mainWindow = &frame;
    StyleEditModeHandler editMode(host);
    handler = &editMode;
    editMode.RegisterCmdTarget(StyleTextField::Type, [](const std::shared_ptr<StyleBase>& edited,
                                                         StyleEditModeHandler& owner) {
        return std::make_shared<TestTextFieldTarget>(edited, owner);
    });

    frame.resize(900, 600);
    frame.show();
    QTimer::singleShot(500, &frame, [&editMode, &style] {
        editMode.BeginEditStyle(style, QStringLiteral("Podgląd i edycja stylu pola"));
    });
    const int result = QApplication::exec();
    // Left while the windows it hid and the handler both still exist: the frame dies after the handler.
    editMode.LeaveEditStyleMode();
    SetGlobalRibbonsFactory(nullptr);
    return result;
}
