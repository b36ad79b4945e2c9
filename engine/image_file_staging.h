// A file written beside its destination and renamed over it only once it is complete, so a save that
// fails part-way (a full disk, a write error) leaves the file the user had under that name untouched.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace zenphra {

class StagedFile {
  public:
    // Creates an empty file in the destination's folder; stream() is null when that is impossible (no
    // such folder, no permission).
    explicit StagedFile(std::string destination);
    // Removes the staged file unless it was committed.
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    FILE* stream() const { return stream_; }

    // Flushes the file to the disk, closes it and renames it over the destination. Returns 0, or
    // ZENPHRA_PNG_ERROR when a write, flush or close failed, or ZENPHRA_CANNOT_OPEN when the destination
    // cannot be replaced.
    int32_t Commit();

  private:
    void Discard();

    std::string destination_;
    std::string stagedPath_;
    FILE* stream_ = nullptr;
};

}  // namespace zenphra
