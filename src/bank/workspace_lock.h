// One copy of the program per folder. Two copies working on the same files would
// splice their packets and drop each other's styles, so the program holds an
// exclusive lock on the folder for its whole life. The lock file names the process
// that holds it; the kernel lets go of the lock when that process ends, however it ends.
#pragma once
#include <stdexcept>
#include <string>

#include "bank/textfile.h"

namespace tv {

constexpr const char* LOCK_FILE = ".tallyvane.lock";

// The folder is in use by another copy; the message says by which process.
struct FolderInUse : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class WorkspaceLock {
public:
    // Takes the lock or throws FolderInUse (another copy holds it) or IoError (the
    // lock file cannot be opened).
    explicit WorkspaceLock(const Files& files);
    ~WorkspaceLock();
    WorkspaceLock(const WorkspaceLock&) = delete;
    WorkspaceLock& operator=(const WorkspaceLock&) = delete;

private:
    int fd_ = -1;
};

}  // namespace tv
