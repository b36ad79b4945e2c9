// The images of this run and the runs before, as a web browser keeps the pages it showed: every image
// plotted to its end or stopped joins the history after the one shown, Back and Forward step through it,
// and a new image after going back drops the images ahead. Each image is kept as a parameter entry with
// its size in the first comment, so the history file is an ordinary parameter file.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "app/common/color_map.h"
#include "app/common/fractal_params.h"
#include "app/params/param_entry_reader.h"
#include "app/shell/reg_settings.h"

namespace zenphra::app {

class ImageHistory {
  public:
    // How many images are kept across runs.
    static constexpr int kKept = 50;

    // The image on screen joins the history after the one shown, and the images ahead of it are dropped;
    // an image the same as the one shown is not kept twice. The first image after a step back or forward
    // is that step's image, plotted again: it takes the place of the one stepped to, and the images
    // ahead stay. `palette` holds the image's colours. True when the history changed.
    bool Add(const FractalParams& params, const PaletteArrays& palette);

    bool CanGoBack() const { return shown_ > 0; }
    bool CanGoForward() const { return shown_ + 1 < static_cast<int>(entries_.size()); }
    // Steps back or forward and returns the image there, its size included, read over `current`
    // (whose custom texts and colour sets it keeps); nothing at either end.
    std::optional<EntryValues> Back(const EntryValues& current);
    std::optional<EntryValues> Forward(const EntryValues& current);

    int Size() const { return static_cast<int>(entries_.size()); }

    // The last kKept images as a parameter file, the newest last.
    QByteArray FileText() const;
    // The history a file holds, the newest shown; an empty history when the text is not one.
    static ImageHistory FromFileText(const QByteArray& text);

  private:
    std::optional<EntryValues> ImageAt(int index, const EntryValues& current);

    std::vector<QStringList> entries_;  // each a parameter entry's lines
    int shown_ = -1;                    // the entry of the image on screen
    bool stepped_ = false;              // the image shown was reached by a step
};

// Where the history is kept: beside the settings of the store.
QString ImageHistoryPath(const CRegSettings& store);

// The history kept beside the settings: read at start-up (a file that cannot be read is an empty
// history) and written whole, replacing the old file only once the new one is complete.
ImageHistory LoadImageHistory(const QString& path);
bool SaveImageHistory(const QString& path, const ImageHistory& history);

}  // namespace zenphra::app
