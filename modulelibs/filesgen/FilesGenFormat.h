#pragma once
// The text files the files generator writes: one file of current data per instrument, rewritten
// whenever its quote changes, and one file of daily history per instrument. Semicolon-separated
// lines under a header line, numbers in the C locale, dates as YYYYMMDD and times as HHMMSS, so
// spreadsheets and scripts read them without guessing. No widgets here.

#include "platform/modules/Asset.h"
#include "platform/modules/CurrentState.h"
#include "platform/modules/PriceBar.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <vector>

namespace FilesGenFormat
{
// "<ticker>.txt", with characters a file name cannot hold replaced by '_'.
QString CurrentFileName(const Asset& asset);
// "<ticker>_historia.txt".
QString HistoryFileName(const Asset& asset);

QByteArray CurrentData(const Asset& asset, const CurrentState& state);
// Some bar's time lies in [from, to].
bool HasBarsWithin(const std::vector<PriceBar>& bars, const QDateTime& from, const QDateTime& to);
// The bars whose time lies in [from, to], oldest first.
QByteArray History(const Asset& asset, const std::vector<PriceBar>& bars, const QDateTime& from, const QDateTime& to);
}
