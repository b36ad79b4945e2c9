// A poster cut into row strips for a render farm: --strip K/N picks the K-th of N strips of the image,
// each task plots one into a file of its own, and --join puts them together. The renderer works out the
// rows of every strip, so that strips neither overlap nor leave gaps.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace zenphra::cli {

struct StripChoice {
    int32_t index = 1;  // K, from 1
    int32_t count = 1;  // N
};

// Rows first to end - 1 of the image.
struct RowSpan {
    int32_t first = 0;
    int32_t end = 0;

    bool operator==(const RowSpan&) const = default;
};

// "K/N" with 1 <= K <= N, blanks around the numbers allowed; nothing for any other text.
std::optional<StripChoice> ParseStripChoice(const QString& text);

// The most strips an image of `height` rows is cut into: every strip has at least two rows, so that a
// finished strip is never saved as the image's last row alone, which the explorer takes for not begun.
int32_t MostStrips(int32_t height);

// The rows of the strip: the image's rows shared out as evenly as whole rows allow, in order.
RowSpan StripRows(const StripChoice& strip, int32_t height);

// "poster.png" gives "poster-strip-2-of-8.png", K with as many digits as N so that the names sort in
// the order of the strips ("poster-strip-02-of-12.png").
QString StripPath(const QString& output, const StripChoice& strip);

}  // namespace zenphra::cli
