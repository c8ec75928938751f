#pragma once
// The accessor of the transactions-monitor library's one consumer.

class TransactionsMonitorConsumer;

TransactionsMonitorConsumer* GetTransactionsMonitorConsumer();
