#include "cli/zoom_frames.h"

#include <algorithm>
#include <cmath>

namespace zenphra::cli {
namespace {

constexpr int32_t kLeastDigits = 4;

// The start weighted by its share and the target by the rest: a share of 1 or 0 gives that end exactly.
double Blend(double start, double target, double startShare) {
    return start * startShare + target * (1.0 - startShare);
}

}  // namespace

View FrameView(const View& start, const View& target, int32_t frame, int32_t frames) {
    // How far the movie has come: 0 on the first frame, 1 on the last.
    const double t = frames > 1 ? static_cast<double>(frame) / (frames - 1) : 1.0;
    View view;
    // M0^(1-t) * M1^t: the same factor from each frame to the next, M0 and M1 exactly at the ends.
    view.magnify = std::pow(start.magnify, 1.0 - t) * std::pow(target.magnify, t);
    view.angleDeg = Blend(start.angleDeg, target.angleDeg, 1.0 - t);

    // The target point C1 lies (C1 - C) * M picture widths (times 1/3.6) from the middle of a picture
    // centred on C at magnification M. Letting that offset shrink evenly, (C1 - C0) * M0 * (1 - t), moves
    // the target point to the middle at a steady pace while the picture grows around it (and turns with
    // the picture when it turns). Solved for the centre: C = C0 * w + C1 * (1 - w), where the start
    // centre's weight w = (M0 / M) * (1 - t) is 1 on the first frame and 0 on the last. Zooming outwards
    // w exceeds 1 on the way, as the centre must first move away for the target to close in evenly.
    const double startWeight = start.magnify / view.magnify * (1.0 - t);
    view.centerReal = Blend(start.centerReal, target.centerReal, startWeight);
    view.centerImag = Blend(start.centerImag, target.centerImag, startWeight);
    return view;
}

QString FramePath(const QString& output, int32_t frame, int32_t frames) {
    const qsizetype extensionLength = 4;  // ".png", in whatever case it was given
    const int digits = std::max<int>(kLeastDigits, static_cast<int>(QString::number(frames).size()));
    return output.chopped(extensionLength) +
           QStringLiteral("-%1").arg(frame + 1, digits, 10, QLatin1Char('0')) + output.right(extensionLength);
}

}  // namespace zenphra::cli
