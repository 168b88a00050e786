#pragma once

#include <QString>

#include <functional>

namespace Tarvex {

// The user's desktop folder, or the home folder where there is none, without a trailing separator.
QString DesktopFolder();
// Points DesktopFolder elsewhere (tests, unattended runs); an empty folder brings back the user's
// own. Returns the folder it replaces.
QString SetDesktopFolder(const QString& Folder);

// Opens a file with the program the desktop associates with its type; false when none could be
// started.
bool OpenWithAssociatedProgram(const QString& Path);

// Who answers OpenWithAssociatedProgram. The default asks the desktop; without a screen (the
// offscreen platform) it opens nothing and answers false. Tests install their own so that nothing
// ever opens.
using OpenFileHandler = std::function<bool(const QString& Path)>;
// Installs a handler and returns the one it replaces; an empty handler brings back the default.
OpenFileHandler SetOpenFileHandler(OpenFileHandler Handler);

} // namespace Tarvex
