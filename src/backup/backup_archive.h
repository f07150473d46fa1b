#pragma once
// The backup file: its members in a ZIP archive, written and read with libzip, saved and opened
// under the data files' rules.
#include <string>
#include <string_view>

#include "backup/backup_data.h"
#include "common/prompter.h"

namespace mivo {

// The bytes of an archive holding `members` in order (compressed); false with `reason` when
// libzip could not make it.
bool ZipMembers(const Members& members, std::string& bytes, std::string& reason);

// The members of an archive's bytes, in the archive's order. False with `reason` for what is no
// ZIP archive or a damaged one, more than kMaxMembers members, or a member larger than a data
// file may be (kMaxDataFileSize).
inline constexpr int kMaxMembers = 100;
bool UnzipMembers(std::string_view bytes, Members& members, std::string& reason);

// A backup is saved as a data file is (SaveDataFile), in two halves, since its reads take
// long: before them, what cannot be written is refused and an existing file asked about
// ("File of the same name exists.  Overwrite?", caption "Backup"), false when refused or
// answered No; after them, the backup of `data` (every part, BackupMembers) written whole and
// renamed, "Saved". True when written.
bool ConfirmBackupTarget(const std::string& path, Prompter& prompter);
bool WriteBackup(const ControllerData& data, const std::string& path, Prompter& prompter);

// Reads the backup at `path` into `data` (DataOfMembers). A file that cannot be read or is no
// archive: "Cannot read PATH: REASON" (caption "Open"). True when every member was taken.
bool OpenBackup(const std::string& path, ControllerData& data, Prompter& prompter);

}  // namespace mivo
