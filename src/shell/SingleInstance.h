#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace zentrel::shell {

// One running program per user data folder: a later start hands its project to the program
// that is already running and ends, as a double click on a project file in the file manager
// expects. The running program listens on a local socket named after the user data folder
// (only the user may connect), so separate settings folders, as the tests use, stay separate.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString &userDataFolder, QObject *parent = nullptr);

    // Sends a project path (empty: only bring the window to the front) to the running program;
    // true once it has taken it, false when none runs or it does not answer in a few seconds.
    bool HandOver(const QString &projectPath) const;
    // Starts taking the paths of later starts; false when the socket cannot be made (the program
    // then runs without hand-over).
    bool Listen();

    // The socket's name for a user data folder.
    static QString ServerName(const QString &userDataFolder);

signals:
    // A later start handed over a project path (empty: bring the window to the front).
    void projectHandedOver(const QString &projectPath);

private:
    void takeConnection();

    QString m_name;
    QLocalServer *m_server = nullptr;
};

} // namespace zentrel::shell
