#pragma once
// The accessor of the offers library's one consumer.

class OffersConsumer;

OffersConsumer* GetOffersConsumer();
