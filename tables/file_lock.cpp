#include "tables/file_lock.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace tv::tables {

FileLock::~FileLock() { Release(); }

#ifdef _WIN32

namespace {
OVERLAPPED FarByte() {
    OVERLAPPED region{};
    region.OffsetHigh = 0x7FFFFFFF;
    return region;
}
} // namespace

bool FileLock::Acquire(const std::filesystem::path& file, Kind kind) {
    Release();
    HANDLE h = CreateFileW(file.wstring().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    // Windows locks are mandatory for the bytes they cover, so lock one byte
    // far past the end of any table: it blocks other lockers, not readers.
    OVERLAPPED region = FarByte();
    const DWORD flags = LOCKFILE_FAIL_IMMEDIATELY | (kind == Kind::Exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0);
    if (!LockFileEx(h, flags, 0, 1, 0, &region)) {
        CloseHandle(h);
        return false;
    }
    handle_ = h;
    return true;
}

void FileLock::Release() {
    if (!handle_) return;
    OVERLAPPED region = FarByte();
    UnlockFileEx(static_cast<HANDLE>(handle_), 0, 1, 0, &region);
    CloseHandle(static_cast<HANDLE>(handle_));
    handle_ = nullptr;
}

#else

bool FileLock::Acquire(const std::filesystem::path& file, Kind kind) {
    Release();
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    if (::flock(fd, (kind == Kind::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

void FileLock::Release() {
    if (fd_ < 0) return;
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}

#endif

} // namespace tv::tables
