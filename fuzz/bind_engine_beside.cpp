#include "fuzz/bind_engine_beside.h"

#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

#include "app/common/engine_api.h"

namespace zenphra::app {

void BindEngineBeside(const char* programPath) {
    const QString library = QFileInfo(QString::fromLocal8Bit(programPath)).absolutePath() + "/libZenphra.so";
    const QStringList missing = BindEngine(library);
    if (missing.contains(QStringLiteral("StringToDouble")) ||
        missing.contains(QStringLiteral("SetColorRange"))) {
        std::fprintf(stderr, "cannot bind %s\n", qPrintable(library));
        std::abort();
    }
}

}  // namespace zenphra::app
