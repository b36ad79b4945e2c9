#include "app/imagefiles/err_check.h"

#include <array>

#include "app/common/messages.h"
#include "zenphra.h"

namespace zenphra::app {
namespace {

constexpr int32_t kFormulaError = -8;  // kept for the whole code space; this library never returns it

// A message that names the file is `before`, the path, then `after`; the others are `before` alone.
struct CodeMessage {
    int32_t code;
    const char* before;
    const char* after;
};

constexpr std::array<CodeMessage, 9> kMessages{{
    {ZENPHRA_CANNOT_OPEN, "The file \"", "\" could not be opened."},
    {ZENPHRA_READ_ERROR, "Error reading file \"", "\""},
    {ZENPHRA_NOT_PNG, "The file \"", "\" is not a valid PNG file."},
    {ZENPHRA_OUT_OF_MEMORY, "Insufficient memeory.", nullptr},
    {ZENPHRA_PNG_ERROR, "PNG library unknown error.", nullptr},
    {ZENPHRA_NOT_OURS, "The file \"", "\" was not created by this program."},
    {kFormulaError, "Error parsing formula.", nullptr},
    {ZENPHRA_BAD_LOCATION,
     "The image cannot be drawn at this place: the magnification must lie between 1e-300 and 1e20000.",
     nullptr},
    {ZENPHRA_NO_DEEP_FORM,
     "This equation cannot be drawn this deep: \"Pokorny\" is drawn beyond the reach of doubles (a "
     "magnification of about 1e13) only with an Iteration Loop Early Exit Value below 1e40.",
     nullptr},
}};
static_assert(ZENPHRA_DEEP_MAX_POWER == 20000, "the place message names the deepest magnification");

}  // namespace

bool ErrCheck(int32_t code, const QString& path) {
    for (const CodeMessage& message : kMessages) {
        if (message.code != code) continue;
        QString text = QString::fromLatin1(message.before);
        if (message.after != nullptr) text += path + QString::fromLatin1(message.after);
        ShowMessage(text);
        return true;
    }
    return false;
}

}  // namespace zenphra::app
