// One running environment per user: a second start hands its file names to
// the first, which opens them and comes to the front, and ends.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& name, QObject* parent = nullptr);
    // True when another instance answered and took the files (absolute paths, maybe none).
    bool activateRunningInstance(const QStringList& files = {});
    // Starts listening for later starts; false when the name cannot be taken.
    bool listen();

signals:
    // The files a later start was given, to be opened as the active documents.
    void activationRequested(const QStringList& files);

private:
    QString serverName;
    QLocalServer* server = nullptr;
};
