#pragma once

#include <QString>
#include <QStringList>

// Program constants shared by every subsystem.
namespace Constants {
inline const QString ApplicationName = QStringLiteral("Kalvix");
inline const QString OrganisationName = QStringLiteral("Tarvex Fire System Products");
inline const QString WebAddress = QStringLiteral("www.tarvex-fire.com");
inline const QString Version = QStringLiteral("2.1.2");
inline const QString ReleaseDate = QStringLiteral("2026-04-27");
inline const QString DataFormatVersion = QStringLiteral("2.0");
inline const QString SetupFormatVersion = QStringLiteral("2.0");
inline const QString SupportedXmlVersion = QStringLiteral("v2.32");
inline const QStringList enIdleTimes = {QStringLiteral("72 h"), QStringLiteral("30 h"), QStringLiteral("4 h")};
} // namespace Constants
