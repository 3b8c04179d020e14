#pragma once
// The rule that one user runs one copy of the program: a lock file in the user's
// temporary folder, held for as long as the program runs. A copy that crashed leaves
// no lasting block, because a lock whose process has gone is taken over.
#include <QLockFile>
#include <QString>

namespace kvr27 {

class SingleInstanceLock {
public:
    explicit SingleInstanceLock(const QString& lockFilePath = DefaultPath());

    // Takes the lock; false when another running copy holds it.
    bool tryAcquire();

    // The per-user lock file: the temporary folder, the program's and the user's name.
    static QString DefaultPath();

private:
    QLockFile lock_;
};

} // namespace kvr27
