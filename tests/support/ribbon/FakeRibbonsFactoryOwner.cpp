#include "tests/support/ribbon/FakeRibbonsFactoryOwner.h"

FakeRibbonsFactoryOwner::FakeRibbonsFactoryOwner()
{
    m_commandBars.SetCommandTarget(&m_target);
}
