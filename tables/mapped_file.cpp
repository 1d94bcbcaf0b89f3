#include "tables/mapped_file.h"

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tv::tables {

#if defined(__unix__) || defined(__APPLE__)

#ifdef MAP_POPULATE
constexpr int kMapWhole = MAP_POPULATE;
#else
constexpr int kMapWhole = 0;
#endif

std::unique_ptr<MappedFile> MappedFile::Map(const std::filesystem::path& path, bool wholeFile) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat status {};
    void* data = MAP_FAILED;
    if (::fstat(fd, &status) == 0 && status.st_size > 0)
        data = ::mmap(nullptr, static_cast<std::size_t>(status.st_size), PROT_READ,
                      MAP_PRIVATE | (wholeFile ? kMapWhole : 0), fd, 0);
    ::close(fd); // the mapping keeps the file's pages
    if (data == MAP_FAILED) return nullptr;
    return std::unique_ptr<MappedFile>(
        new MappedFile(static_cast<const std::uint8_t*>(data), static_cast<std::size_t>(status.st_size)));
}

MappedFile::~MappedFile() {
    ::munmap(const_cast<std::uint8_t*>(data_), size_);
}

#else

std::unique_ptr<MappedFile> MappedFile::Map(const std::filesystem::path&, bool) {
    return nullptr;
}

MappedFile::~MappedFile() = default;

#endif

} // namespace tv::tables
