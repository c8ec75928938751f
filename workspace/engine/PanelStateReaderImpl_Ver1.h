#pragma once
// The reader of the current panel file: the module is named under "ModuleName", and a window
// without it falls back to the old "ConsumerName", so both kinds of file read alike.

#include "workspace/engine/PanelStateReaderImpl_Ver0.h"

class PanelStateReaderImpl_Ver1 : public PanelStateReaderImpl_Ver0
{
public:
    using PanelStateReaderImpl_Ver0::PanelStateReaderImpl_Ver0;

    QString GetModuleName() const override;
};
