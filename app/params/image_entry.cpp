#include "app/params/image_entry.h"

#include <QRegularExpression>

#include "app/common/text_lines.h"
#include "app/params/param_entry_reader.h"

namespace zenphra::app {

EntryText ImageEntryText(const QString& name, const FractalParams& params, std::optional<int32_t> resumeRow) {
    EntryText text;
    text.name = name;
    text.comment1 = QStringLiteral("%1 x %2 pixels").arg(params.HorRes).arg(params.VertRes);
    if (resumeRow) text.comment2 = QStringLiteral("Resumes at row %1").arg(*resumeRow);
    return text;
}

std::optional<QSize> ImageEntrySize(const QStringList& lines, int32_t nameLine) {
    static const QRegularExpression size(QStringLiteral(R"(^Comment 1 : (\d{1,9}) x (\d{1,9}) pixels$)"));
    const std::optional<EntryHeader> header = ReadEntryHeader(lines, nameLine);
    if (!header) return std::nullopt;
    const QRegularExpressionMatch match = size.match(header->comment1);
    if (!match.hasMatch()) return std::nullopt;
    const std::optional<int32_t> width = ParseInt32(match.captured(1));
    const std::optional<int32_t> height = ParseInt32(match.captured(2));
    if (!width || !height || *width < 1 || *height < 1) return std::nullopt;
    return QSize(*width, *height);
}

}  // namespace zenphra::app
