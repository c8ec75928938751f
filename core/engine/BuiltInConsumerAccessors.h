#pragma once
// The accessors of the module libraries that the program is built with, in the order the
// consumer manager adds their consumers. An accessor may be missing, and may give null. The
// edition fills them in (`ClassicBuiltInConsumers`): the core does not know the libraries.

class AppFilesGeneratorConsumer;
class ChartConsumer;
class DetailsCons;
class OffersConsumer;
class TableConsumer;
class TransactionsMonitorConsumer;
class TransListCons;

struct BuiltInConsumerAccessors
{
    ChartConsumer* (*chart)() = nullptr;
    TableConsumer* (*table)() = nullptr;
    TransListCons* (*transList)() = nullptr;
    DetailsCons* (*details)() = nullptr;
    OffersConsumer* (*offers)() = nullptr;
    AppFilesGeneratorConsumer* (*filesGenerator)() = nullptr;
    TransactionsMonitorConsumer* (*transactionsMonitor)() = nullptr;
};
