#include "bank/workspace_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tv {

namespace {

// The process id written in the lock file by the copy that holds it ("" if unknown).
std::string holder(int fd) {
    char text[32] = {};  // stays empty when nothing can be read
    if (::pread(fd, text, sizeof text - 1, 0) == -1) return "";
    const std::string pid = text;
    return pid.substr(0, pid.find_first_not_of("0123456789"));
}

}  // namespace

WorkspaceLock::WorkspaceLock(const Files& files) {
    const std::string path = files.path(LOCK_FILE).string();
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd_ < 0) {
        const int err = errno;
        throw IoError("open", LOCK_FILE, std::strerror(err), 0, "to lock the folder");
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        const std::string pid = err == EWOULDBLOCK ? holder(fd_) : "";
        ::close(fd_);
        fd_ = -1;
        if (err != EWOULDBLOCK) throw IoError("lock", LOCK_FILE, std::strerror(err));
        throw FolderInUse("this folder is in use by another copy of tallyvane" +
                          (pid.empty() ? std::string() : " (process " + pid + ")") +
                          "; only one copy may work in a folder at a time");
    }
    const std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd_, 0) != 0 ||
        ::pwrite(fd_, pid.data(), pid.size(), 0) != static_cast<ssize_t>(pid.size())) {
        const int err = errno;
        ::close(fd_);
        fd_ = -1;
        throw IoError("write", LOCK_FILE, std::strerror(err));
    }
}

WorkspaceLock::~WorkspaceLock() {
    ::close(fd_);  // a lock that could not be taken threw, so this one holds the folder
}

}  // namespace tv
