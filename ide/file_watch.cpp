#include "file_watch.h"

#include <QFileInfo>
#include <QTimer>

FileWatch::FileWatch(QObject* parent) : QObject(parent) {
    connect(&watcher, &QFileSystemWatcher::fileChanged, this, [this](const QString& path) {
        // Editors that save by renaming a new file over the old one end the watch on
        // the old file: the name is watched again once the new file is there.
        QTimer::singleShot(100, this, [this, path] {
            if (wanted.contains(path) && !watcher.files().contains(path) && QFileInfo::exists(path))
                watcher.addPath(path);
            emit fileChanged(path);
        });
    });
}

void FileWatch::watchOnly(const QStringList& paths) {
    wanted = paths;
    const QStringList watched = watcher.files();
    for (const QString& path : watched)
        if (!paths.contains(path)) watcher.removePath(path);
    for (const QString& path : paths)
        if (!watched.contains(path) && QFileInfo::exists(path)) watcher.addPath(path);
}
