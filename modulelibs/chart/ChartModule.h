#pragma once
// The accessor of the chart library's one consumer.

class ChartConsumer;

ChartConsumer* GetChartConsumer();
