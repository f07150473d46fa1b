#include "files/data_files.h"

#include <algorithm>
#include <cctype>

#include "common/readable_text.h"
#include "common/said_text.h"
#include "common/utf8_text.h"
#include "files/file_io.h"

namespace mivo {

namespace {

constexpr const char* kSaveCaption = UI_TEXT("Message", "Save");
constexpr const char* kSaved = UI_TEXT("Message", "Saved");
constexpr const char* kOpenCaption = UI_TEXT("Message", "Open");

bool EndsWith(const std::string& s, std::string_view tail) {
    return s.size() >= tail.size() && std::string_view(s).substr(s.size() - tail.size()) == tail;
}

std::string Upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool PassesSaveTest(SaveNameTest test, const std::string& name, const std::string& extension) {
    if (test == SaveNameTest::ExtensionWithDot) return EndsWith(name, extension);
    const std::string letters = extension.substr(extension.rfind('.') + 1);
    return EndsWith(name, letters);
}

}  // namespace

void FileNamingPrompter::notifyDetail(const std::string& text, const std::string& caption,
                                      const std::string& detail) {
    inner_.notifyDetail(text, caption,
                        detail.empty() ? detail : Labelled(EscapeControlBytes(name_), detail));
}

const std::string* FilterExtension(const std::vector<FileFilter>& filters, int filter) {
    if (filter < 1 || filter > static_cast<int>(filters.size())) return nullptr;
    const std::string& ext = filters[static_cast<std::size_t>(filter - 1)].extension;
    return ext.empty() ? nullptr : &ext;
}

std::string SaveTargetName(const FileKind& kind, const std::string& name, int filter) {
    const std::string* ext = FilterExtension(kind.saveFilters, filter);
    if (ext == nullptr || PassesSaveTest(kind.saveNameTest, name, *ext)) return name;
    return name + *ext;
}

std::string QuotedLine(std::string_view line) {
    return "\"" + EscapeControlBytes(line.substr(0, 60)) + (line.size() > 60 ? "...\"" : "\"");
}

std::size_t TrailingLine(const std::vector<std::string_view>& lines, std::size_t count) {
    for (std::size_t k = count; k < lines.size(); ++k)
        if (!lines[k].empty()) return k;
    return lines.size();
}

std::string TrailingFault(const std::vector<std::string_view>& lines, std::size_t k,
                          const char* said) {
    return Filled(said,
                  {std::to_string(k + 1), std::to_string(lines.size()), QuotedLine(lines[k])});
}

std::string TooFewLines(std::size_t lines, const std::string& expected) {
    const std::string count =
        lines == 1 ? UI_TEXT("Message", "the file has 1 line")
                   : Filled(UI_TEXT("Message", "the file has %1 lines"), {std::to_string(lines)});
    return Filled(UI_TEXT("Message", "%1; %2"), {count, expected});
}

std::string CannotWrite(const std::string& name, const std::string& reason) {
    return Filled(UI_TEXT("Message", "Cannot write %1: %2"), {EscapeControlBytes(name), reason});
}

std::string CannotRead(const std::string& name, const std::string& reason) {
    return Filled(UI_TEXT("Message", "Cannot read %1: %2"), {EscapeControlBytes(name), reason});
}

bool ConfirmSaveTarget(const FileKind& kind, const std::string& name, int filter,
                       Prompter& prompter) {
    const std::string target = SaveTargetName(kind, name, filter);
    std::string reason;
    // What cannot be written is refused before the question, not after a Yes.
    if (std::string resolved; !SaveTarget(target, resolved, reason)) {
        prompter.notify(CannotWrite(target, reason), kSaveCaption);
        return false;
    }
    const std::string* ext = FilterExtension(kind.saveFilters, filter);
    const bool exists = FileExists(name) || (ext != nullptr && FileExists(name + *ext));
    const std::string& question = ext ? kind.overwriteQuestion : kind.overwriteQuestionAll;
    return !exists || prompter.ask(question, kind.overwriteCaption);
}

bool WriteDataFile(const FileKind& kind, const std::string& name, int filter,
                   std::string_view content, Prompter& prompter) {
    const std::string target = SaveTargetName(kind, name, filter);
    if (std::string reason; !WriteWholeFile(target, content, reason)) {
        prompter.notify(CannotWrite(target, reason), kSaveCaption);
        return false;
    }
    prompter.notify(kSaved, kSaveCaption);
    return true;
}

bool SaveDataFile(const FileKind& kind, const std::string& name, int filter,
                  std::string_view content, Prompter& prompter) {
    return ConfirmSaveTarget(kind, name, filter, prompter) &&
           WriteDataFile(kind, name, filter, content, prompter);
}

std::string OpenTargetName(const FileKind& kind, const std::string& name, int filter) {
    const std::string* ext = FilterExtension(kind.openFilters, filter);
    if (ext == nullptr) return name;
    if (EndsWith(name, *ext) || EndsWith(name, Upper(*ext)) || FileExists(name)) return name;
    return name + *ext;
}

OpenOutcome OpenDataFile(const FileKind& kind, const std::string& name, int filter,
                         const FileConversion& convert, Prompter& prompter) {
    const std::string target = OpenTargetName(kind, name, filter);
    std::string content;
    std::string reason;
    if (!ReadWholeFile(target, content, reason)) {
        prompter.notify(CannotRead(target, reason), kOpenCaption);
        return OpenOutcome::NotRead;
    }
    std::string_view text = content;
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    // A UTF-8 editor's file is taken into the code page the data hold, never read byte by
    // byte; what the code page cannot hold is refused before anything changes.
    std::string converted;
    if (IsUtf8BeyondAscii(text)) {
        std::size_t at = 0;
        char32_t code = 0;
        if (!Utf8ToCp1252(text, converted, at, code)) {
            const auto line = std::count(text.data(), text.data() + at, '\n');
            prompter.notify(
                Filled(UI_TEXT("Message",
                               "Cannot read %1: line %2 holds the character %3, which "
                               "Windows-1252 cannot hold"),
                       {EscapeControlBytes(target), std::to_string(line + 1), CodePointName(code)}),
                kOpenCaption);
            return OpenOutcome::NotRead;
        }
        text = converted;
    }
    FileNamingPrompter named(prompter, target);
    if (!convert(filter, text, named)) return OpenOutcome::Stopped;
    const std::size_t index = static_cast<std::size_t>(filter - 1);
    if (filter >= 1 && index < kind.openCompleted.size())
        prompter.notify(kind.openCompleted[index], kOpenCaption);
    return OpenOutcome::Completed;
}

int FilterForName(const std::vector<FileFilter>& filters, const std::string& name, bool open) {
    int any = static_cast<int>(filters.size());
    for (std::size_t i = 0; i < filters.size(); ++i) {
        const std::string& ext = filters[i].extension;
        if (ext.empty()) {
            any = static_cast<int>(i) + 1;
            continue;
        }
        if (EndsWith(open ? Upper(name) : name, open ? Upper(ext) : ext))
            return static_cast<int>(i) + 1;
    }
    return any;
}

}  // namespace mivo
