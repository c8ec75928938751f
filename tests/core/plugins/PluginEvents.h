#pragma once
// What the test plug-ins tell, in one list that the test program and every plug-in share.

#include <QString>
#include <QStringList>

void RecordPluginEvent(const QString& event);
// The events so far, oldest first; the list starts anew.
QStringList TakePluginEvents();
