// Locks a table file against other processes: shared for ordinary opens,
// exclusive for Exclusive ones. The lock lives as long as the object.
#pragma once

#include <filesystem>

namespace tv::tables {

class FileLock {
public:
    enum class Kind { Shared, Exclusive };
    FileLock() = default;
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // False when another process holds a conflicting lock.
    bool Acquire(const std::filesystem::path& file, Kind kind);
    void Release();

private:
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

} // namespace tv::tables
