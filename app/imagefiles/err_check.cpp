#include "app/imagefiles/err_check.h"

#include "app/shell/messages.h"
#include "zenphra.h"

namespace zenphra::app {
namespace {

constexpr int32_t kFormulaError = -8;  // kept for the whole code space; this library never returns it

QString FileMessage(const char* before, const QString& path, const char* after) {
    return QString::fromLatin1(before) + path + QString::fromLatin1(after);
}

}  // namespace

bool ErrCheck(int32_t code, const QString& path) {
    QString text;
    switch (code) {
        case ZENPHRA_CANNOT_OPEN:
            text = FileMessage("The file \"", path, "\" could not be opened.");
            break;
        case ZENPHRA_READ_ERROR:
            text = FileMessage("Error reading file \"", path, "\"");
            break;
        case ZENPHRA_NOT_PNG:
            text = FileMessage("The file \"", path, "\" is not a valid PNG file.");
            break;
        case ZENPHRA_OUT_OF_MEMORY:
            text = QStringLiteral("Insufficient memeory.");
            break;
        case ZENPHRA_PNG_ERROR:
            text = QStringLiteral("PNG library unknown error.");
            break;
        case ZENPHRA_NOT_OURS:
            text = FileMessage("The file \"", path, "\" was not created by this program.");
            break;
        case kFormulaError:
            text = QStringLiteral("Error parsing formula.");
            break;
        default:
            return false;
    }
    ShowMessage(text);
    return true;
}

}  // namespace zenphra::app
