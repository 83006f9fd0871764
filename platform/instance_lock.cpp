// The single-instance guard: an advisory lock on a file named after the game,
// held by the open descriptor for the life of the process.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/platform.h"

static int lockFile = -1;
static std::string lockName;

int AcquireInstanceLock(const std::string& name) {
    if (lockFile >= 0 && lockName == name) return 1;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string folder = runtime && *runtime ? runtime : "/tmp";
    std::string path = folder + "/" + name + "-" + std::to_string(static_cast<long>(getuid())) + ".lock";
    int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return 1;   // no place for a lock: run rather than refuse
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return 0;
    }
    ReleaseInstanceLock();
    lockFile = fd;
    lockName = name;
    return 1;
}

void ReleaseInstanceLock() {
    if (lockFile >= 0) close(lockFile);
    lockFile = -1;
    lockName.clear();
}
