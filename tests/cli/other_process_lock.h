// A lock held by another process, as Tablorix holds a table it has open.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

namespace tv::test {

class OtherProcessLock {
  public:
    explicit OtherProcessLock(const std::filesystem::path& file) {
        int ready[2];
        if (pipe(ready) != 0) throw std::runtime_error("pipe");
        child_ = fork();
        if (child_ == 0) {
            const int fd = open(file.c_str(), O_RDONLY);
            const char answer = fd >= 0 && flock(fd, LOCK_EX) == 0 ? 'y' : 'n';
            (void)!write(ready[1], &answer, 1);
            pause();
            _exit(0);
        }
        char answer = 'n';
        (void)!read(ready[0], &answer, 1);
        close(ready[0]);
        close(ready[1]);
        if (answer != 'y') throw std::runtime_error("the other process could not lock " + file.string());
    }
    ~OtherProcessLock() {
        kill(child_, SIGKILL);
        waitpid(child_, nullptr, 0);
    }
    OtherProcessLock(const OtherProcessLock&) = delete;
    OtherProcessLock& operator=(const OtherProcessLock&) = delete;

  private:
    pid_t child_ = -1;
};

} // namespace tv::test
