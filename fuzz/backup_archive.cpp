// A backup archive as `mivo compare` and `mivo restore` open it: the ZIP archive, then its
// members as their kinds' files.
#include "backup/backup_archive.h"

#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    mivo::ControllerData backup;
    mivo::OpenBackup(mivo::fuzz::AsFile(mivo::fuzz::Text(data, size)), backup,
                     mivo::SilentPrompter::instance());
    return 0;
}
