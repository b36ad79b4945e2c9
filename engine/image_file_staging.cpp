#include "engine/image_file_staging.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <utility>

#include "zenphra.h"

namespace zenphra {
namespace {

// Names already taken in the folder (by another save of ours that was cut off) are skipped.
constexpr int kNameAttempts = 100;

std::string StagedName() {
    static unsigned counter = 0;
    return ".zenphra-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
}

}  // namespace

StagedFile::StagedFile(std::string destination) : destination_(std::move(destination)) {
    const std::filesystem::path folder = std::filesystem::path(destination_).parent_path();
    // A file that is replaced keeps its permissions; a new one gets the usual ones.
    struct stat existing;
    const bool replacing = ::stat(destination_.c_str(), &existing) == 0;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string path = (folder / StagedName()).string();
        const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0) {
            if (errno == EEXIST) continue;
            return;
        }
        if (replacing) ::fchmod(descriptor, existing.st_mode & 07777);
        stagedPath_ = path;
        stream_ = ::fdopen(descriptor, "wb");
        if (stream_ == nullptr) ::close(descriptor);
        return;
    }
}

StagedFile::~StagedFile() { Discard(); }

int32_t StagedFile::Commit() {
    FILE* stream = std::exchange(stream_, nullptr);
    // Buffered bytes reach the disk only now, so a full disk may first show here.
    const bool written =
        std::fflush(stream) == 0 && std::ferror(stream) == 0 && ::fsync(::fileno(stream)) == 0;
    const bool closed = std::fclose(stream) == 0;
    if (!written || !closed) {
        Discard();
        return ZENPHRA_PNG_ERROR;
    }
    if (std::rename(stagedPath_.c_str(), destination_.c_str()) != 0) {
        Discard();
        return ZENPHRA_CANNOT_OPEN;
    }
    stagedPath_.clear();
    return 0;
}

void StagedFile::Discard() {
    if (stream_ != nullptr) std::fclose(std::exchange(stream_, nullptr));
    if (!stagedPath_.empty()) ::unlink(std::exchange(stagedPath_, {}).c_str());
}

}  // namespace zenphra
