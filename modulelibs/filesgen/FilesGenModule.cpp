#include "modulelibs/filesgen/FilesGenModule.h"

#include "modulelibs/filesgen/FilesGenModuleConsumer.h"

AppFilesGeneratorConsumer* GetAppFilesGeneratorConsumer()
{
    static FilesGenModuleConsumer consumer;
    return &consumer;
}
