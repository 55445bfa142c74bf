#pragma once

#include <QString>

// The user's settings file (recent files, folders, language), as QSettings
// keeps it. Checked once before anything reads it: QSettings opens and locks
// it in its constructor, so a pipe in its place would hang the start and a
// lock left by a killed run would stall it for half a minute.
namespace SettingsFile
{

// Where the settings live: "<configuration folder>/Kalvix/Kalvix.conf".
QString path();

// Sets a settings file that is no regular file aside (warned in the log,
// never opened) and removes a lock of it that no live process holds.
// Returns the name it was set aside as, or an empty string.
QString prepare();

} // namespace SettingsFile
