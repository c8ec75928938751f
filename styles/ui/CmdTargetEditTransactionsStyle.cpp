#include "styles/ui/CmdTargetEditTransactionsStyle.h"

#include "platform/ui/CmdUI.h"
#include "styles/engine/StyleTransactionList.h"
#include "styles/ui/StyleEditListCmdIds.h"

#include <QLoggingCategory>

#include <array>

using namespace StyleEditListCmdIds;

namespace
{
Q_LOGGING_CATEGORY(lcTransStyle, "q4.styles.translist")

QString OwnCopyName(int relation)
{
    static const std::array<QString, 6> names = {
        QStringLiteral("Nieparzysty"), QStringLiteral("Parzysty"), QStringLiteral("Wzrosty 1"),
        QStringLiteral("Wzrosty 2"),   QStringLiteral("Spadki 1"), QStringLiteral("Spadki 2"),
    };
    return relation >= 1 && relation <= 6 ? names[static_cast<std::size_t>(relation - 1)] : QString();
}
}

CmdTargetEditTransactionsStyle::CmdTargetEditTransactionsStyle(std::shared_ptr<StyleBase> style,
                                                               StyleEditModeHandler& handler,
                                                               SaveAsDefault saveAsDefault)
    : CmdTargetEditGridStyleBase(std::move(style), handler, OwnCopyName)
{
    if (GetEditedStyle() == nullptr)
        return;
    OnCommand(ID_DISCARD_AND_LEAVE, [this] { Discard(true); });
    static const Command commands[] = {
        {ID_TRANS_GRID_COLOUR, Edit::PenColour, StyleTransactionList::ParamGridPen},
        {ID_TRANS_LINE_TYPE, Edit::PenType, StyleTransactionList::ParamGridPen},
        {ID_TRANS_LINE_WIDTH, Edit::PenWidth, StyleTransactionList::ParamGridPen},
        {ID_TRANS_COPY_FROM, Edit::CopyFrom},
        {ID_TRANS_STYLE_NAME, Edit::Name},
    };
    AddCommands(commands);
    OnUpdate(ID_TRANS_COLOURING, [](CmdUI& cmdUI) { cmdUI.Enable(true); });
    for (int relation = StyleTransactionList::RelationOdd; relation <= StyleTransactionList::RelationFalls2; ++relation)
        AddTextFieldGroup(ConsecutiveGroup(relation, ID_TRANS_FIRST_GROUP + 10 * static_cast<std::uint32_t>(relation - 1)));
    AddChangeCommands(ID_TRANS_DISCARD, ID_TRANS_SAVE);
    AddToggle(ID_TRANS_HORIZONTAL_GRID, StyleTransactionList::ParamHorizontalGrid);
    AddToggle(ID_TRANS_VERTICAL_GRID, StyleTransactionList::ParamVerticalGrid);
    for (const qint32 mode : {0, 1, 2})
        AddChoice(ID_TRANS_COLOURING_MODE_0 + static_cast<std::uint32_t>(mode), StyleTransactionList::ParamColouringMode,
                  mode);
    // Only a style of the container can be named in the module's settings.
    OnUpdate(ID_TRANS_SAVE_AS_DEFAULT,
             [this](CmdUI& cmdUI) { cmdUI.Enable(GetEditedStyle()->GetId() != StyleBase::kOwnStyleId); });
    OnCommand(ID_TRANS_SAVE_AS_DEFAULT, [this, saveAsDefault = std::move(saveAsDefault)] {
        const int id = GetEditedStyle()->GetId();
        if (id == StyleBase::kOwnStyleId || !saveAsDefault || !saveAsDefault(id))
            qCWarning(lcTransStyle) << "The style" << id << "did not become the transaction list's default";
    });
}
