#include "backup/backup_data.h"

#include <ctime>

#include "common/convert.h"
#include "common/readable_text.h"
#include "common/version.h"
#include "files/data_files.h"
#include "files/file_io.h"
#include "parameters/parameter_files.h"
#include "steps/step_files.h"

namespace mivo {

namespace {

constexpr const char* kOpenCaption = "Open";
constexpr const char* kProgramLine = "program: ";

std::vector<int> Numbers(int count) {
    std::vector<int> numbers;
    for (int n = 0; n < count; ++n) numbers.push_back(n);
    return numbers;
}

// The program a manifest names, "" when it names none of 0 to 5.
std::string ManifestProgram(std::string_view manifest) {
    for (const std::string_view line : SplitLines(manifest)) {
        const std::string_view head = kProgramLine;
        if (line.substr(0, head.size()) != head) continue;
        const std::string program(line.substr(head.size()));
        return program.size() == 1 && program[0] >= '0' && program[0] <= '5' ? program : "";
    }
    return {};
}

// The block number a pallet's or offsets' first line names, or -1.
int NamedNumber(const std::string& text) {
    int number = -1;
    return TryStrToInt(text, number) ? number : -1;
}

class MemberReader {
  public:
    MemberReader(const Members& members, const std::string& archive, Prompter& prompter)
        : members_(members), archive_(archive), prompter_(prompter) {}

    // The member's text; nullptr after the message when it is missing or no text.
    const std::string* text(const std::string& name) {
        for (const auto& [member, content] : members_) {
            if (member != name) continue;
            if (std::string reason; !IsTextContent(content, reason)) return refuse(name, reason);
            return &content;
        }
        return refuse(name, "the backup holds no such member");
    }
    // The member converted by `convert`, its messages naming the member.
    template <class Data, class Convert>
    bool convert(const std::string& name, Data& data, Convert conversion, int filter) {
        const std::string* content = text(name);
        if (!content) return false;
        const std::string shown = archive_ + "/" + name;
        FileNamingPrompter named(prompter_, shown);
        return conversion(data, filter, *content, named);
    }
    std::nullptr_t refuse(const std::string& name, const std::string& reason) {
        prompter_.notify(CannotRead(archive_ + "/" + name, reason), kOpenCaption);
        return nullptr;
    }

  private:
    const Members& members_;
    const std::string& archive_;
    Prompter& prompter_;
};

}  // namespace

DataParts AllParts() { return {true, true, Numbers(kPalletCount), Numbers(kOffsetPrograms)}; }

DataParts PartsOf(const ControllerData& data) {
    DataParts parts{data.steps.has_value(), data.parameters.has_value(), {}, {}};
    for (const auto& [number, pallet] : data.pallets) parts.pallets.push_back(number);
    for (const auto& [program, offsets] : data.offsets) parts.offsets.push_back(program);
    return parts;
}

std::optional<DataParts> OnlyParts(const DataParts& parts, const std::string& only,
                                   std::string& problem) {
    DataParts chosen;
    std::size_t at = 0;
    while (at <= only.size()) {
        std::size_t comma = only.find(',', at);
        if (comma == std::string::npos) comma = only.size();
        const std::string word = only.substr(at, comma - at);
        if (word == "steps") {
            chosen.steps = parts.steps;
        } else if (word == "parameters") {
            chosen.parameters = parts.parameters;
        } else if (word == "pallets") {
            chosen.pallets = parts.pallets;
        } else if (word == "offsets") {
            chosen.offsets = parts.offsets;
        } else {
            problem = "--only takes steps, parameters, pallets, offsets, not \"" +
                      EscapeControlBytes(word) + "\"";
            return std::nullopt;
        }
        at = comma + 1;
    }
    return chosen;
}

std::string ProgramMember(const std::string& program) { return "program-" + program + ".stp"; }

std::string PalletMember(int pallet) {
    return std::string("pallet-") + (pallet < 10 ? "0" : "") + std::to_string(pallet) + ".plt";
}

std::string OffsetMember(int program) { return "offset-" + std::to_string(program) + ".off"; }

std::string ManifestText(const std::string& program, const std::string& when) {
    return kProgramLine + program + "\r\ndate: " + when + "\r\nversion: mivo " + kVersion + "\r\n";
}

std::string ManifestTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[64];
    const std::size_t n = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S %z", &local);
    return std::string(text, n);
}

std::set<std::string> BackupMemberNames(const std::string& program) {
    ControllerData empty;
    empty.program = program;
    empty.steps.emplace();
    empty.parameters.emplace();
    for (int n = 0; n < kPalletCount; ++n) empty.pallets[n];
    for (int p = 0; p < kOffsetPrograms; ++p) empty.offsets[p];
    std::set<std::string> names;
    for (const auto& [name, content] : BackupMembers(empty, "")) names.insert(name);
    return names;
}

Members BackupMembers(const ControllerData& data, const std::string& when) {
    Members members;
    members.emplace_back(ProgramMember(data.program), StepFileText(*data.steps));
    members.emplace_back(kParametersMember, ParameterFileText(*data.parameters));
    for (const auto& [number, pallet] : data.pallets)
        members.emplace_back(PalletMember(number), PalletFileText(pallet));
    for (const auto& [program, offsets] : data.offsets)
        members.emplace_back(OffsetMember(program), OffsetFileText(offsets));
    members.emplace_back(kManifestMember, ManifestText(data.program, when));
    return members;
}

bool DataOfMembers(const Members& members, const std::string& archive, ControllerData& data,
                   Prompter& prompter) {
    MemberReader reader(members, archive, prompter);
    const std::string* manifest = reader.text(kManifestMember);
    if (!manifest) return false;
    data = {};
    data.program = ManifestProgram(*manifest);
    if (data.program.empty()) {
        reader.refuse(kManifestMember, "it names no program 0 to 5");
        return false;
    }
    // Exactly what a backup writes: anything more (another program, a path, a script) is none
    // of ours, and a name twice would leave it open which one is meant.
    const std::set<std::string> expected = BackupMemberNames(data.program);
    std::set<std::string> seen;
    for (const auto& [name, content] : members) {
        if (expected.count(name) == 0) {
            reader.refuse(name, "a backup holds no such member");
            return false;
        }
        if (!seen.insert(name).second) {
            reader.refuse(name, "the backup holds it twice");
            return false;
        }
    }
    if (!reader.convert(ProgramMember(data.program), data.steps.emplace(), ConvertStepFile,
                        OpenStp) ||
        !reader.convert(kParametersMember, data.parameters.emplace(), ConvertParameterFile,
                        PrmOpenPrm))
        return false;
    for (int n = 0; n < kPalletCount; ++n) {
        PalletData& pallet = data.pallets[n];
        if (!reader.convert(PalletMember(n), pallet, ConvertPalletFile, PltOpenPlt)) return false;
        if (NamedNumber(pallet.number) != n) {
            reader.refuse(PalletMember(n), "it names pallet " + ReadableText(pallet.number));
            return false;
        }
    }
    for (int p = 0; p < kOffsetPrograms; ++p) {
        OffsetData& offsets = data.offsets[p];
        if (!reader.convert(OffsetMember(p), offsets, ConvertOffsetFile, OffFilterOff))
            return false;
        if (NamedNumber(offsets.program) != p) {
            reader.refuse(OffsetMember(p), "it names program " + ReadableText(offsets.program));
            return false;
        }
    }
    return true;
}

}  // namespace mivo
