// One running environment per user: a second start activates the first window and ends.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& name, QObject* parent = nullptr);
    // True when another instance answered and was asked to activate its window.
    bool activateRunningInstance();
    // Starts listening for later starts; false when the name cannot be taken.
    bool listen();

signals:
    void activationRequested();

private:
    QString serverName;
    QLocalServer* server = nullptr;
};
