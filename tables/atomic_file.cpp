#include "tables/atomic_file.h"

#include "tables/path_text.h"
#include "tables/system_error_text.h"
#include "tables/table_error.h"
#include "tables/user_text.h"
#include "tables/write_faults.h"

#include <algorithm>
#include <cerrno>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tv::tables {
namespace {

// What an injected failure reports: the commonest real one.
#ifdef _WIN32
constexpr int kDiskFull = ERROR_DISK_FULL;
int LastError() {
    return static_cast<int>(GetLastError());
}
#else
constexpr int kDiskFull = ENOSPC;
int LastError() {
    return errno;
}
#endif

[[noreturn]] void Fail(const std::filesystem::path& file, int code) {
    throw TableError(FormatText(TV_TEXT("Tablas", "No se puede escribir '%1': %2."),
                                {FileNameText(file), SystemErrorText(code)}));
}

#ifdef _WIN32

class OutputFile {
  public:
    explicit OutputFile(const std::filesystem::path& path, bool create) {
        handle_ = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              create ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    ~OutputFile() { Close(); }
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Seek(std::uint64_t offset) {
        LARGE_INTEGER at;
        at.QuadPart = static_cast<LONGLONG>(offset);
        return SetFilePointerEx(handle_, at, nullptr, FILE_BEGIN) != 0;
    }
    bool Write(std::span<const std::uint8_t> bytes) {
        while (!bytes.empty()) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
            DWORD done = 0;
            if (!WriteFile(handle_, bytes.data(), chunk, &done, nullptr)) return false;
            bytes = bytes.subspan(done);
        }
        return true;
    }
    bool Sync() { return FlushFileBuffers(handle_) != 0; }
    bool Close() {
        if (!IsOpen()) return true;
        const bool closed = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

  private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

bool ReplaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool RemoveFile(const std::filesystem::path& file) {
    return DeleteFileW(file.c_str()) != 0;
}

// MOVEFILE_WRITE_THROUGH already waits for the folder's entry.
bool SyncFolder(const std::filesystem::path&) {
    return true;
}

#else

class OutputFile {
  public:
    explicit OutputFile(const std::filesystem::path& path, bool create) {
        fd_ = ::open(path.c_str(), create ? O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC : O_WRONLY | O_CLOEXEC,
                     0666);
    }
    ~OutputFile() { Close(); }
    bool IsOpen() const { return fd_ >= 0; }
    bool Seek(std::uint64_t offset) { return ::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) >= 0; }
    bool Write(std::span<const std::uint8_t> bytes) {
        while (!bytes.empty()) {
            const ssize_t done = ::write(fd_, bytes.data(), bytes.size());
            if (done < 0 && errno == EINTR) continue;
            if (done <= 0) {
                if (done == 0) errno = ENOSPC;
                return false;
            }
            bytes = bytes.subspan(static_cast<std::size_t>(done));
        }
        return true;
    }
    bool Sync() {
#ifdef TV_FUZZING_WITHOUT_SYNC
        return true; // the fuzz build tries inputs, not disks: thousands of runs a second
#else
        return ::fsync(fd_) == 0;
#endif
    }
    bool Close() {
        if (fd_ < 0) return true;
        const bool closed = ::close(fd_) == 0;
        fd_ = -1;
        return closed;
    }

  private:
    int fd_ = -1;
};

bool ReplaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool RemoveFile(const std::filesystem::path& file) {
    return ::unlink(file.c_str()) == 0;
}

// A rename or removal is only durable once the folder holding it is.
bool SyncFolder(const std::filesystem::path& file) {
#ifdef TV_FUZZING_WITHOUT_SYNC
    return !file.empty();
#endif
    std::filesystem::path folder = file.parent_path();
    if (folder.empty()) folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL; // some file systems cannot sync folders
    ::close(fd);
    return synced;
}

#endif

} // namespace

struct AtomicFileWriter::Output {
    explicit Output(const std::filesystem::path& temp) : file(temp, true) {}
    OutputFile file;
};

AtomicFileWriter::AtomicFileWriter(const std::filesystem::path& file) : file_(file), temp_(file) {
    temp_ += ".tmp~";
    out_ = std::make_unique<Output>(temp_);
    if (!out_->file.IsOpen()) {
        const int code = LastError();
        out_.reset();
        Fail(file_, code);
    }
    if (InjectedWriteFailure()) FailRemovingTemp(kDiskFull);
}

AtomicFileWriter::~AtomicFileWriter() {
    if (!out_ && !prepared_) return;
    out_.reset();
    std::error_code ignored;
    std::filesystem::remove(temp_, ignored);
}

void AtomicFileWriter::FailRemovingTemp(int code) {
    out_.reset();
    prepared_ = false;
    std::error_code ignored;
    std::filesystem::remove(temp_, ignored);
    Fail(file_, code);
}

void AtomicFileWriter::Write(std::span<const std::uint8_t> bytes) {
    if (!out_->file.Write(bytes)) FailRemovingTemp(LastError());
}

void AtomicFileWriter::Commit() {
    Prepare();
    Install();
    FlushFolderOf(file_);
}

void AtomicFileWriter::Prepare() {
    // The content is on the disk before its name is: a power cut never
    // leaves the new name over an empty file.
    if (!out_->file.Sync() || !out_->file.Close()) FailRemovingTemp(LastError());
    out_.reset();
    prepared_ = true;
}

void AtomicFileWriter::Install() {
    if (InjectedWriteFailure()) FailRemovingTemp(kDiskFull);
    if (!ReplaceFile(temp_, file_)) FailRemovingTemp(LastError());
    prepared_ = false;
}

void FlushFolderOf(const std::filesystem::path& file) {
    if (!SyncFolder(file)) Fail(file, LastError());
}

void WriteFileAtomically(const std::filesystem::path& file, std::span<const std::uint8_t> bytes) {
    WriteFileAtomically(file, {bytes});
}

void WriteFileAtomically(const std::filesystem::path& file,
                         std::initializer_list<std::span<const std::uint8_t>> pieces) {
    AtomicFileWriter out(file);
    for (const auto& bytes : pieces)
        out.Write(bytes);
    out.Commit();
}

void PatchFileInPlace(const std::filesystem::path& file, std::uint64_t offset,
                      std::span<const std::uint8_t> bytes) {
    OutputFile out(file, false);
    if (!out.IsOpen()) Fail(file, LastError());
    if (InjectedWriteFailure()) Fail(file, kDiskFull);
    if (!out.Seek(offset) || !out.Write(bytes) || !out.Sync() || !out.Close()) Fail(file, LastError());
}

void RemoveFileDurably(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::symlink_status(file, ec))) return;
    if (InjectedWriteFailure()) Fail(file, kDiskFull);
    if (!RemoveFile(file)) {
        const int code = LastError();
        throw TableError(FormatText(TV_TEXT("Tablas", "No se puede borrar '%1': %2."),
                                    {FileNameText(file), SystemErrorText(code)}));
    }
    SyncFolder(file);
}

void RenameFileDurably(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (!ReplaceFile(from, to) || !SyncFolder(to)) Fail(to, LastError());
}

} // namespace tv::tables
