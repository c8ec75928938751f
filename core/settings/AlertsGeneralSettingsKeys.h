#pragma once
// The keys of the local alerts' settings node "AlertsGenerallSettings" (the misspelt names
// belong to the files) and the default sound files beside the executable.

#include "platform/base/AppPaths.h"

#include <QDir>
#include <QString>

namespace AlertsGeneralSettingsKeys
{
inline const QString kSmtpServerParameters = QStringLiteral("smtpServerParameters");
inline const QString kSmtpParameters = QStringLiteral("smtpParameters");  // the SMTP node of version 1
inline const QString kHost = QStringLiteral("Host");
inline const QString kUser = QStringLiteral("user");
inline const QString kPassword = QStringLiteral("password");
inline const QString kPort = QStringLiteral("port");
inline const QString kEncryption = QStringLiteral("encryption");
inline const QString kDestinationAddress = QStringLiteral("destinationAddress");
inline const QString kWindowTime = QStringLiteral("windowTime");
inline const QString kBuySound = QStringLiteral("buySound");
inline const QString kSellSound = QStringLiteral("sellSound");
inline const QString kGenerate = QStringLiteral("generate");
inline const QString kOnce = QStringLiteral("once");
inline const QString kSynchroniously = QStringLiteral("synchroniously");
inline const QString kInform = QStringLiteral("inform");
inline const QString kSound = QStringLiteral("sound");
inline const QString kMail = QStringLiteral("mail");
inline const QString kWindow = QStringLiteral("window");

inline const QString kBuySoundFile = QStringLiteral("buy.wav");
inline const QString kSellSoundFile = QStringLiteral("sell.wav");

// The sound file of that name in the program's folder.
inline QString DefaultSoundPath(const QString& fileName)
{
    return QDir(AppPaths::ExecutableFolder()).filePath(fileName);
}
}
