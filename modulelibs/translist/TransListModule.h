#pragma once
// The accessor of the transaction-list library's one consumer.

class TransListCons;

TransListCons* GetTransListConsumer();
