#include "backup/backup_archive.h"

#include <zip.h>

#include <ctime>
#include <memory>
#include <set>

#include "common/readable_text.h"
#include "files/data_files.h"
#include "files/file_io.h"

namespace mivo {

namespace {

std::string ErrorText(zip_error_t* error) {
    const std::string text = zip_error_strerror(error);
    zip_error_fini(error);
    return text;
}

// An archive's bytes in memory: written into by zip_close, or read from.
struct SourceFree {
    void operator()(zip_source_t* s) const { zip_source_free(s); }
};
using Source = std::unique_ptr<zip_source_t, SourceFree>;

// The bytes a source holds after its archive was closed.
bool SourceBytes(zip_source_t* source, std::string& bytes, std::string& reason) {
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_source_open(source) < 0 || zip_source_stat(source, &st) < 0 ||
        (st.valid & ZIP_STAT_SIZE) == 0) {
        reason = zip_error_strerror(zip_source_error(source));
        return false;
    }
    bytes.assign(static_cast<std::size_t>(st.size), '\0');
    const zip_int64_t got = zip_source_read(source, bytes.data(), st.size);
    zip_source_close(source);
    if (got < 0 || static_cast<zip_uint64_t>(got) != st.size) {
        reason = "the archive could not be read back";
        return false;
    }
    return true;
}

FileKind BackupFileKind() {
    FileKind k;
    k.saveFilters = {{"All (*.*)", ""}};
    k.openFilters = k.saveFilters;
    k.overwriteCaption = "Backup";
    k.overwriteQuestion = "File of the same name exists.  Overwrite?";
    k.overwriteQuestionAll = k.overwriteQuestion;
    return k;
}

// The first name two members of an archive's bytes share; "" when none does (or it cannot be
// read without the consistency check that refused it).
std::string SharedName(std::string_view bytes) {
    zip_error_t error;
    zip_error_init(&error);
    Source source(zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error));
    zip_t* archive = source ? zip_open_from_source(source.get(), ZIP_RDONLY, &error) : nullptr;
    zip_error_fini(&error);
    if (!archive) return {};
    source.release();  // the archive owns it now
    std::set<std::string> names;
    std::string shared;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count && i <= kMaxMembers && shared.empty(); ++i) {
        const char* name = zip_get_name(archive, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW);
        if (name && !names.insert(name).second) shared = name;
    }
    zip_discard(archive);
    return shared;
}

}  // namespace

bool ZipMembers(const Members& members, std::string& bytes, std::string& reason) {
    zip_error_t error;
    zip_error_init(&error);
    Source source(zip_source_buffer_create(nullptr, 0, 0, &error));
    if (!source) {
        reason = ErrorText(&error);
        return false;
    }
    zip_t* archive = zip_open_from_source(source.get(), ZIP_TRUNCATE, &error);
    if (!archive) {
        reason = ErrorText(&error);
        return false;
    }
    // The archive takes the source; it is kept for reading the bytes back after the close.
    zip_source_keep(source.get());
    const std::time_t now = std::time(nullptr);
    for (const auto& [name, content] : members) {
        zip_source_t* member = zip_source_buffer(archive, content.data(), content.size(), 0);
        const zip_int64_t index =
            member ? zip_file_add(archive, name.c_str(), member, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            if (member) zip_source_free(member);
            reason = zip_strerror(archive);
            zip_discard(archive);
            return false;
        }
        zip_file_set_mtime(archive, static_cast<zip_uint64_t>(index), now, 0);
    }
    if (zip_close(archive) < 0) {
        reason = zip_strerror(archive);
        zip_discard(archive);
        return false;
    }
    return SourceBytes(source.get(), bytes, reason);
}

bool UnzipMembers(std::string_view bytes, Members& members, std::string& reason) {
    zip_error_t error;
    zip_error_init(&error);
    Source source(zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error));
    if (!source) {
        reason = ErrorText(&error);
        return false;
    }
    zip_t* archive = zip_open_from_source(source.get(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!archive) {
        const bool shared = zip_error_code_zip(&error) == ZIP_ER_EXISTS;
        reason = ErrorText(&error);
        // libzip says "File already exists": what is wrong is two members of one name.
        if (const std::string name = shared ? SharedName(bytes) : ""; !name.empty())
            reason = "two members are named " + EscapeControlBytes(name);
        return false;
    }
    source.release();  // the archive owns it now
    const auto fail = [&](std::string why) {
        reason = std::move(why);
        zip_discard(archive);
        return false;
    };
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    if (count > kMaxMembers)
        return fail("the archive holds more than " + std::to_string(kMaxMembers) + " members");
    Members read;
    for (zip_int64_t i = 0; i < count; ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        zip_stat_t st;
        // The name's bytes as stored: a name of control bytes is said escaped, not turned
        // into the glyphs of an old code page.
        if (zip_stat_index(archive, index, ZIP_FL_ENC_RAW, &st) < 0 ||
            (st.valid & ZIP_STAT_NAME) == 0)
            return fail(zip_strerror(archive));
        const std::string name = st.name;
        if ((st.valid & ZIP_STAT_SIZE) != 0 && st.size > kMaxDataFileSize)
            return fail(EscapeControlBytes(name) + " is too large");
        zip_file_t* file = zip_fopen_index(archive, index, 0);
        if (!file) return fail(EscapeControlBytes(name) + ": " + zip_strerror(archive));
        // Never more than the cap, whatever the directory says.
        std::string content;
        char chunk[65536];
        zip_int64_t n = 0;
        while (content.size() <= kMaxDataFileSize && (n = zip_fread(file, chunk, sizeof chunk)) > 0)
            content.append(chunk, static_cast<std::size_t>(n));
        const std::string fileError = n < 0 ? zip_file_strerror(file) : "";
        zip_fclose(file);
        if (n < 0) return fail(EscapeControlBytes(name) + ": " + fileError);
        if (content.size() > kMaxDataFileSize)
            return fail(EscapeControlBytes(name) + " is too large");
        read.emplace_back(name, std::move(content));
    }
    zip_discard(archive);
    members = std::move(read);
    return true;
}

bool ConfirmBackupTarget(const std::string& path, Prompter& prompter) {
    return ConfirmSaveTarget(BackupFileKind(), path, 1, prompter);
}

bool WriteBackup(const ControllerData& data, const std::string& path, Prompter& prompter) {
    std::string bytes, reason;
    if (!ZipMembers(BackupMembers(data, ManifestTimeNow()), bytes, reason)) {
        prompter.notify(CannotWrite(path, reason), "Save");
        return false;
    }
    return WriteDataFile(BackupFileKind(), path, 1, bytes, prompter);
}

bool OpenBackup(const std::string& path, ControllerData& data, Prompter& prompter) {
    std::string bytes, reason;
    Members members;
    if (!ReadWholeBinaryFile(path, bytes, reason) || !UnzipMembers(bytes, members, reason)) {
        prompter.notify(CannotRead(path, reason), "Open");
        return false;
    }
    return DataOfMembers(members, path, data, prompter);
}

}  // namespace mivo
