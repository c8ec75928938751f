#pragma once
// The accessors of the transactions-monitor library's one consumer and of its active object.

class TMActiveObject;
class TransactionsMonitorConsumer;

TransactionsMonitorConsumer* GetTransactionsMonitorConsumer();
TMActiveObject* TransactionsMonitorActiveObject();
