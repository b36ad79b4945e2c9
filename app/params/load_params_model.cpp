#include "app/params/load_params_model.h"

#include <utility>

#include "app/params/param_file.h"
#include "app/params/param_messages.h"

namespace zenphra::app {

LoadParamsModel::LoadParamsModel(QString path, std::vector<EntryName> entries)
    : path_(std::move(path)), entries_(std::move(entries)) {}

std::optional<LoadParamsModel> LoadParamsModel::Open(const QString& path) {
    std::optional<std::vector<EntryName>> entries = ListEntriesForLoad(path);
    if (!entries) {
        ShowFileCorrupt(path);
        return std::nullopt;
    }
    return LoadParamsModel(path, std::move(*entries));
}

int LoadParamsModel::FirstSelection(int remembered) const {
    return remembered >= 0 && static_cast<size_t>(remembered) < entries_.size() ? remembered : 0;
}

std::optional<EntryHeader> LoadParamsModel::Header(int position) const {
    const std::optional<EntryHeader> header = LoadEntryHeader(path_, entries_.at(position).nameLine);
    if (!header) ShowFileCorrupt(path_);
    return header;
}

std::optional<EntryValues> LoadParamsModel::Load(int position, const EntryValues& current) const {
    const EntryReadResult read = ReadEntryFile(path_, entries_.at(position).nameLine, current);
    if (read.status != EntryReadStatus::kRead) {
        ShowEntryNotRead(read.status, path_);
        return std::nullopt;
    }
    return read.values;
}

}  // namespace zenphra::app
