#include "platform/modules/AlertExprArgList.h"

#include <memory>

namespace SheetTest
{
std::shared_ptr<const AlertExprArgList> EmptyArgumentList()
{
    return std::make_shared<const AlertExprArgList>();
}
}
