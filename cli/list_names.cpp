#include "cli/list_names.h"

#include <QStringList>

#include "app/common/list_tables.h"
#include "app/common/text_lines.h"

namespace zenphra::cli {
namespace {

// A list as its captions and the code at each position.
struct NamedList {
    const QStringList& captions;
    int32_t (*codeAt)(int32_t position);
};

int32_t SamePosition(int32_t position) { return position; }

NamedList Equations() { return {app::EquationCaptions(), app::EqnCode}; }
NamedList Renderings() { return {app::RenderingCaptions(), app::RendCode}; }
NamedList Functions() { return {app::FunctionCaptions(), SamePosition}; }

QString Folded(const QString& text) {
    QString folded;
    for (const QChar c : text) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('-') && c != QLatin1Char('_')) folded += c.toLower();
    }
    return folded;
}

std::optional<int32_t> Find(const NamedList& list, const QString& text) {
    const std::optional<int32_t> number = app::ParseInt32(text);
    for (int32_t position = 0; position < list.captions.size(); ++position) {
        const int32_t code = list.codeAt(position);
        if (Folded(list.captions[position]) == Folded(text) || number == code) return code;
    }
    return std::nullopt;
}

QString Choices(const NamedList& list) {
    QStringList choices;
    for (int32_t position = 0; position < list.captions.size(); ++position) {
        choices << QStringLiteral("%1 (%2)").arg(list.captions[position]).arg(list.codeAt(position));
    }
    return choices.join(QStringLiteral(", "));
}

QString Caption(const NamedList& list, int32_t code) {
    for (int32_t position = 0; position < list.captions.size(); ++position) {
        if (list.codeAt(position) == code) return list.captions[position];
    }
    return QString::number(code);
}

}  // namespace

std::optional<int32_t> FindEquation(const QString& text) { return Find(Equations(), text); }
std::optional<int32_t> FindRendering(const QString& text) { return Find(Renderings(), text); }
std::optional<int32_t> FindFunction(const QString& text) { return Find(Functions(), text); }

QString EquationChoices() { return Choices(Equations()); }
QString RenderingChoices() { return Choices(Renderings()); }
QString FunctionChoices() { return Choices(Functions()); }

QString EquationCaption(int32_t code) { return Caption(Equations(), code); }
QString RenderingCaption(int32_t code) { return Caption(Renderings(), code); }
QString FunctionCaption(int32_t position) { return Caption(Functions(), position); }

}  // namespace zenphra::cli
