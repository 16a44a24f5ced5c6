// Watches the files of the open documents, so that a change made on disk by
// another program is noticed instead of being overwritten at the next save.
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>

class FileWatch : public QObject {
    Q_OBJECT
public:
    explicit FileWatch(QObject* parent = nullptr);
    // The set of watched files becomes exactly these.
    void watchOnly(const QStringList& paths);

signals:
    void fileChanged(const QString& path);

private:
    QFileSystemWatcher watcher;
    QStringList wanted;
};
