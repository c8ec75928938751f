#pragma once
// The four rankings of a session's statistics.

enum EAssetStatisticType
{
    AssetStatisticRises = 0,
    AssetStatisticFalls = 1,
    AssetStatisticTurnover = 2,
    AssetStatisticTransactions = 3,
};

inline constexpr int kAssetStatisticTypes = 4;
