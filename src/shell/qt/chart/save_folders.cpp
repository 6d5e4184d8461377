#include "shell/qt/chart/save_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;

// The program's own settings file, $XDG_CONFIG_HOME/quintara/quintara.conf.
QSettings settings() { return QSettings(u"quintara"_s, u"quintara"_s); }

QString keyOf(SavedFile kind) {
    return kind == SavedFile::Picture ? u"saveFolders/picture"_s : u"saveFolders/table"_s;
}

QStandardPaths::StandardLocation standardFolderOf(SavedFile kind) {
    return kind == SavedFile::Picture ? QStandardPaths::PicturesLocation
                                      : QStandardPaths::DocumentsLocation;
}

}  // namespace

QString startFolder(SavedFile kind) {
    const QString candidates[] = {
        settings().value(keyOf(kind)).toString(),
        QStandardPaths::writableLocation(standardFolderOf(kind)),
    };
    for (const QString& folder : candidates) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
    }
    return QDir::homePath();
}

void rememberFolder(SavedFile kind, const QString& savedPath) {
    settings().setValue(keyOf(kind), QFileInfo(savedPath).absolutePath());
}

}  // namespace quintara::qt
