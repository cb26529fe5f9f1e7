#include "instance_lock.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The user's runtime folder, or a private folder of ours under /tmp when there is none.
bool lockFolder(std::string& folder, std::string& error)
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat info {};
    if (runtime && *runtime && stat(runtime, &info) == 0 && S_ISDIR(info.st_mode)) {
        folder = runtime;
        return true;
    }
    folder = "/tmp/pagetint-" + std::to_string(getuid());
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        error = folder + ": " + std::strerror(errno);
        return false;
    }
    // Another user could have made the folder first; never lock inside theirs.
    if (lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid()) {
        error = folder + ": not a private folder of this user";
        return false;
    }
    return true;
}

} // namespace

InstanceLock::InstanceLock(const std::string& name)
{
    if (!lockFolder(m_folder, m_error)) {
        m_folder.clear();
        return;
    }
    const std::string path = m_folder + "/" + name + ".lock";
    m_fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (m_fd < 0) {
        m_error = path + ": " + std::strerror(errno);
        return;
    }
    if (flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
        m_result = Result::Acquired;
        return;
    }
    if (errno == EWOULDBLOCK) {
        m_result = Result::HeldElsewhere;
        return;
    }
    m_error = path + ": " + std::strerror(errno);
}

InstanceLock::~InstanceLock()
{
    if (m_fd >= 0)
        close(m_fd); // closing drops the lock
}
