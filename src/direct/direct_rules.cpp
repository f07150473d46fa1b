#include "direct/direct_rules.h"

#include "common/said_text.h"

namespace mivo {

int MnemonicAt(const std::string& record, const char* mnemonic) {
    for (int p = 4; p <= 6; ++p)
        if (record.size() >= static_cast<std::size_t>(p + 2) &&
            record.compare(static_cast<std::size_t>(p - 1), 3, mnemonic) == 0)
            return p;
    return 0;
}

std::string GoCommand(const std::string& record, const std::string& step,
                      const std::string& position) {
    if (MnemonicAt(record, "CIR")) return "@CIR GO " + step + "," + position;
    if (const int p = MnemonicAt(record, "PAL")) {
        // Counted from 1: the operation code at p + 4, the pallet number at p + 5 and p + 6.
        const auto at = [&](int i) { return static_cast<std::size_t>(i - 1); };
        if (record.size() > at(p + 4) && record[at(p + 4)] == '0')
            return "@PAL GO " + record.substr(at(p + 5), 2) + "," + position;
    }
    return "@GO " + step;
}

std::string RunQuestion(const std::string& program) {
    return Filled(UI_TEXT("Message", "PGM%1 will be started.  OK?"), {program});
}

std::string InitProgramQuestion(const std::string& program) {
    return Filled(UI_TEXT("Message", "PGM %1 will be initialized.  OK?"), {program});
}

}  // namespace mivo
