#pragma once
// The second desktop layout read exactly like the first; it stands between them so the
// current reader derives from every layout before it.

#include "workspace/engine/SessionStateReaderImpl_Ver0.h"

class SessionStateReaderImpl_Ver1 : public SessionStateReaderImpl_Ver0
{
};
