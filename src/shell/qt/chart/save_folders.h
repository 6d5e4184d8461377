// Where the file dialogs of the trend chart's exports start: the folder the
// user last saved such a file into, and before the first save the user's
// pictures folder for a picture and documents folder for a table, never the
// program's working folder. The folders last used are kept with QSettings
// (under XDG_CONFIG_HOME).
#pragma once

#include <QString>

namespace quintara::qt {

enum class SavedFile { Picture, Table };

// A folder that is there: the one last used for the kind, else the kind's
// standard folder, else the home folder.
[[nodiscard]] QString startFolder(SavedFile kind);

// Keeps the folder of `savedPath` as the one last used for the kind.
void rememberFolder(SavedFile kind, const QString& savedPath);

}  // namespace quintara::qt
