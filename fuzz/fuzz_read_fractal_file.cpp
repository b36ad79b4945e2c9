// Arbitrary bytes as an image file, read as the main image and as a thumbnail, then coloured when
// accepted: nothing may crash, hang, leak or reach memory it does not own.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "zenphra.h"

namespace {

// The readers take a path, so every input goes through one scratch file, removed at exit.
struct ScratchFile {
    ScratchFile() {
        char pattern[] = "/tmp/fuzz_read_fractal_file-XXXXXX";
        const int descriptor = mkstemp(pattern);
        if (descriptor < 0) std::abort();
        close(descriptor);
        path = pattern;
    }
    ~ScratchFile() { unlink(path.c_str()); }
    std::string path;
};

uint8_t red[257], green[257], blue[257];

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ScratchFile scratch;
    static const bool palettesSet = [] {
        SetColorPointers(red, green, blue);
        SetThumbnailColorPointers(red, green, blue);
        return true;
    }();
    (void)palettesSet;

    FILE* file = std::fopen(scratch.path.c_str(), "wb");
    if (file == nullptr) std::abort();
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    if (ReadFractalFile(scratch.path.c_str()) > 0) SetColorRange(0, 116, 0x0000FF, 0xFF0000);
    if (GetThumbnail(scratch.path.c_str()) > 0) SetThumbnailColorRange(116, 116, 0x00FF00, 0xFFFFFF);
    // The text handed to the program never exceeds its buffer.
    if (GetFractalTextLen() < 0 || GetFractalTextLen() > 1024) std::abort();
    return 0;
}
