// Arbitrary bytes as a strip or a file left by a killed save, read row by row as the join reads them:
// nothing may crash, hang, leak or reach memory it does not own.
#include <unistd.h>

#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "cli/png_rows.h"

namespace {

// The reader takes a path, so every input goes through one scratch file, removed at exit.
struct ScratchFile {
    ScratchFile() {
        char pattern[] = "/tmp/fuzz_png_rows-XXXXXX";
        const int descriptor = mkstemp(pattern);
        if (descriptor < 0) std::abort();
        close(descriptor);
        path = QString::fromLatin1(pattern);
    }
    ~ScratchFile() { unlink(path.toLatin1().constData()); }
    QString path;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ScratchFile scratch;
    FILE* file = std::fopen(scratch.path.toLatin1().constData(), "wb");
    if (file == nullptr) std::abort();
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    zenphra::cli::PngRowReader reader(scratch.path);
    if (!reader.ok()) return 0;
    if (reader.width() < 1 || reader.height() < 1) std::abort();
    std::vector<uint8_t> row(static_cast<size_t>(reader.width()));
    for (int32_t y = 0; y < reader.height() && reader.ReadRow(row.data()); ++y) {
    }
    return 0;
}
