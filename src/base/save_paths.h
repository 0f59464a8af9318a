// Where the files the game writes are kept. The game directory holds what the game ships and may
// be read-only (an installed game): the save file, the score files, the maps that first clears
// replace and the joystick assignment are written into the save directory instead, under the
// same relative paths, and reading one of them takes the save directory's copy when there is one,
// else the game directory's shipped one. So a rebuild or a reinstall never touches the player's
// progress, and a read-only installation keeps every clear.
#pragma once

#include <string>
#include <string_view>

// The save directory; "" keeps the files in the game directory (the current directory) itself,
// read and written in place.
void setSaveDirectory(const std::string& directory);
const std::string& saveDirectory();

// The file that a write of relativePath goes to.
std::string savePath(std::string_view relativePath);
// The file that a read of relativePath takes: the save directory's copy when it exists, else the
// shipped one in the game directory.
std::string savedOrShipped(std::string_view relativePath);
// Replaces relativePath in the save directory by content, atomically, making the directories it
// needs first; false when that cannot be done (the old file is then as it was).
bool writeSavedFile(std::string_view relativePath, std::string_view content);

// Makes directory and every missing directory above it; true when it exists afterwards.
bool makeDirectories(const std::string& directory);

// Where a player who names no save directory keeps it: $XDG_DATA_HOME/yomogi, else
// $HOME/.local/share/yomogi (an XDG_DATA_HOME that is not an absolute path is not used); "" when
// no home directory is known either.
std::string defaultSaveDirectory();
// Where screenshots go: $XDG_PICTURES_DIR/yomogi when the environment or the user's
// user-dirs.dirs names a pictures directory, else the save directory's screenshots/.
std::string screenshotDirectory();
