#pragma once
// The accessor of the multi-data library's one consumer.

class MultiDataConsumer;

MultiDataConsumer* GetMultiDataConsumer();
