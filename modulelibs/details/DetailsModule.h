#pragma once
// The accessor of the details library's one consumer.

class DetailsCons;

DetailsCons* GetDetailsConsumer();
