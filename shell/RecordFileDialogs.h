#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/UiServices.h"

// The Save and Load dialogs of the files that hold one record as it stands (effect lists, drum
// patterns): each dialog starts in the folder it ended in last, else in the project's folder,
// and a file that cannot be written or read is reported with its kind's message.
namespace jorv {

struct RecordFileKind {
    std::string_view filterLabel;
    std::string_view filterPattern;
    std::string_view saveTitle;
    std::string_view loadTitle;
    std::string_view extension;
    bool askBeforeReplacing = false;
    std::string_view saveFailedMessage;
    std::string_view openFailedMessage;
};

// Where the next Save and Load dialogs of one kind start.
struct RememberedFolders {
    std::string save;
    std::string load;
};

using RecordFileAccess = std::function<bool(const std::string& path)>;

void SaveRecordFile(const RecordFileKind& kind, RememberedFolders& folders, const std::string& defaultFolder,
                    UiServices& ui, const RecordFileAccess& write);
// Whether a file was chosen and read.
bool LoadRecordFile(const RecordFileKind& kind, RememberedFolders& folders, const std::string& defaultFolder,
                    UiServices& ui, const RecordFileAccess& read);

// A kind of file with the functions that write and read its record.
template <typename Record>
struct RecordFiles {
    RecordFileKind kind;
    bool (*write)(const Record& record, const std::string& path);
    bool (*read)(Record& record, const std::string& path);
};

template <typename Record>
void SaveRecord(const RecordFiles<Record>& files, RememberedFolders& folders, const Record& record,
                const std::string& defaultFolder, UiServices& ui) {
    SaveRecordFile(files.kind, folders, defaultFolder, ui, [&](const std::string& path) { return files.write(record, path); });
}

// Whether a record was read.
template <typename Record>
bool LoadRecord(const RecordFiles<Record>& files, RememberedFolders& folders, Record& record,
                const std::string& defaultFolder, UiServices& ui) {
    return LoadRecordFile(files.kind, folders, defaultFolder, ui, [&](const std::string& path) { return files.read(record, path); });
}

}  // namespace jorv
