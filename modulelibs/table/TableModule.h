#pragma once
// The accessors of the quote-table library; both give its one consumer.

class TableConsumer;

TableConsumer* GetTableConsumer();
TableConsumer* GetTableCons();
