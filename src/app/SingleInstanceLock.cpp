#include "app/SingleInstanceLock.h"

#include <QDir>
#include <QRegularExpression>

namespace kvr27 {

namespace {

QString UserName()
{
    for (const char* variable : {"USER", "USERNAME", "LOGNAME"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
    return QDir::home().dirName();
}

} // namespace

SingleInstanceLock::SingleInstanceLock(const QString& lockFilePath) : lock_(lockFilePath)
{
    // The lock lasts as long as the program runs, however long: only a holder that no
    // longer runs makes it stale, never its age.
    lock_.setStaleLockTime(0);
}

bool SingleInstanceLock::tryAcquire()
{
    if (lock_.isLocked())
        return true;
    if (lock_.tryLock(0))
        return true;
    if (lock_.error() != QLockFile::LockFailedError) {
        // No lock file can be made here (no temporary folder to write in): whether
        // another copy runs cannot be told, and that is no reason to refuse this one.
        return true;
    }
    // A lock file whose holder cannot be read (left half-written by a crash) does not
    // name a running copy: remove it once and try again.
    qint64 pid = 0;
    QString host;
    QString application;
    if (!lock_.getLockInfo(&pid, &host, &application) && lock_.removeStaleLockFile())
        return lock_.tryLock(0);
    return false;
}

QString SingleInstanceLock::DefaultPath()
{
    QString user = UserName();
    user.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    return QDir(QDir::tempPath()).filePath(QStringLiteral("kvr27-clone-%1.lock").arg(user));
}

} // namespace kvr27
