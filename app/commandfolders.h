#pragma once

#include <QStandardPaths>
#include <QString>

// The kinds of file whose last folder each file dialog remembers, and where a
// dialog starts before it remembers one.
namespace CommandFolders
{
inline const QString Setup = QStringLiteral("setup");
inline const QString Xml = QStringLiteral("xml");
inline const QString Report = QStringLiteral("report");
inline const QString DataPack = QStringLiteral("datapack");

inline QString home()
{
    return QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
}
} // namespace CommandFolders
