// The file layer of the table store: every change reaches the disk before the
// next one starts, and a file is only ever replaced by a complete one.
//
// New content goes to a temporary file in the same folder, is flushed to the
// disk, and then takes the file's place in one rename (on Linux the folder is
// flushed too, so the rename itself survives a power cut). On failure the
// earlier file stays as it was.
#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <span>

namespace tv::tables {

// Throws TableError (naming the file and the system's reason in Spanish) when
// the new content cannot be written.
void WriteFileAtomically(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);
// The same, with the content given in pieces written one after another.
void WriteFileAtomically(const std::filesystem::path& file,
                         std::initializer_list<std::span<const std::uint8_t>> pieces);

// The same steps for content made piece by piece, so that a large file is
// never whole in memory: the pieces go to the temporary file as they come,
// and Commit flushes it and puts it in the file's place. Without Commit (an
// exception while the pieces are made) the temporary file is removed and the
// earlier file stays. Write and Commit throw TableError as above.
class AtomicFileWriter {
  public:
    explicit AtomicFileWriter(const std::filesystem::path& file);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    void Write(std::span<const std::uint8_t> bytes);
    void Commit();

    // Commit in two halves, for files replaced together: Prepare flushes the
    // temporary file to the disk; Install then puts it in the file's place
    // without flushing the folder, which the caller does once for them all
    // (FlushFolderOf). Both throw TableError as above.
    void Prepare();
    void Install();

  private:
    struct Output;
    [[noreturn]] void FailRemovingTemp(int code);

    std::filesystem::path file_;
    std::filesystem::path temp_;
    std::unique_ptr<Output> out_;
    bool prepared_ = false; // the temporary file is complete and not yet in place
};

// Flushes the folder holding `file`, so that the renames and removals made in
// it survive a power cut. Throws TableError naming `file`.
void FlushFolderOf(const std::filesystem::path& file);

// Overwrites `bytes` at `offset` of an existing file and waits until they are
// on the disk. Meant for a byte or two of a header (a single sector).
void PatchFileInPlace(const std::filesystem::path& file, std::uint64_t offset,
                      std::span<const std::uint8_t> bytes);

// Removes the file when present, the removal flushed to the disk. Throws
// TableError when it cannot be removed.
void RemoveFileDurably(const std::filesystem::path& file);

// Renames `from` over `to` and flushes the folder; for putting kept files
// back after a failure. Throws TableError.
void RenameFileDurably(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace tv::tables
