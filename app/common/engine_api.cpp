#include "app/common/engine_api.h"

#include <QCoreApplication>
#include <QLibrary>

namespace zenphra::app {
namespace {

EngineApi& BoundApi() {
    static EngineApi api;
    return api;
}

}  // namespace

QString EngineLibraryPath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/libZenphra.so");
}

QStringList BindEngine(const QString& libraryPath) {
    // Never unloaded: the program keeps calling into it until it ends.
    static QLibrary library;
    library.setFileName(libraryPath);
    library.load();

    EngineApi& api = BoundApi();
    QStringList missing;
#define ZENPHRA_ENGINE_BIND(name)                                            \
    api.name = reinterpret_cast<decltype(api.name)>(library.resolve(#name)); \
    if (api.name == nullptr) missing << QStringLiteral(#name);
    ZENPHRA_ENGINE_EXPORTS(ZENPHRA_ENGINE_BIND)
#undef ZENPHRA_ENGINE_BIND
    return missing;
}

const EngineApi& Engine() { return BoundApi(); }

}  // namespace zenphra::app
