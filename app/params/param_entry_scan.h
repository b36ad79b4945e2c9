// Finding the entries of a parameter file: every entry starts with its name line and ends with a line
// "END". Entries are named by the 1-based number of their name line.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace zenphra::app {

inline const QString kEntryEndLine = QStringLiteral("END");

struct EntryName {
    QString name;
    int32_t nameLine = 0;
};

// The save dialog's list: every block that starts after an "END" counts, whatever it holds.
std::vector<EntryName> ScanEntries(const QStringList& lines);

// The load dialog's list, which checks the structure. A blank line where a name is expected ends the
// list (so blank lines after the last entry are fine). Nothing when the file is corrupt: a blank line
// inside an entry, an entry that the file ends before its "END", or no entry at all.
std::optional<std::vector<EntryName>> ScanEntriesChecked(const QStringList& lines);

}  // namespace zenphra::app
