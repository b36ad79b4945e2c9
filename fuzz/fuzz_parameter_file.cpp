// Arbitrary bytes as a parameter file: both scans, then the header and the parameters of every entry
// they find.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "app/common/text_lines.h"
#include "app/params/param_entry_reader.h"
#include "app/params/param_entry_scan.h"
#include "fuzz/bind_engine_beside.h"

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    zenphra::app::BindEngineBeside((*argv)[0]);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zenphra::app;
    const QStringList lines =
        SplitLines(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    ScanEntriesChecked(lines);
    const EntryValues current{FractalParams(), ColorMap()};
    for (const EntryName& entry : ScanEntries(lines)) {
        ReadEntryHeader(lines, entry.nameLine);
        ReadEntryParams(lines, entry.nameLine, current);
    }
    return 0;
}
