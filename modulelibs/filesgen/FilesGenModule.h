#pragma once
// The accessor of the files-generator library's one consumer.

class AppFilesGeneratorConsumer;

AppFilesGeneratorConsumer* GetAppFilesGeneratorConsumer();
