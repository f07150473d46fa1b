#include "sim/sim_records.h"

#include "sim/sim_core.h"

namespace mivo {

SimRecords::SimRecords(SimCore& core) : core_(core) {
    const SimFamily f = SimFamily::Records;
    core_.addCommand(f, "@?Ver", [this](const std::string& args) {
        if (args.size() != 1 || args[0] < '0' || args[0] >= '0' + kUnits) {
            core_.refuse("11:Parameter error");
            return;
        }
        core_.reply(versions[static_cast<std::size_t>(args[0] - '0')]);
        core_.reply("OK");
    });
    core_.addCommand(f, "@READ ERR", [this](const std::string&) {
        for (const auto& line : errorRecord) core_.reply(line);
        core_.reply("OK");
    });
    core_.addCommand(f, "@INIT ERR", [this](const std::string&) {
        errorRecord.clear();
        core_.reply("OK");
    });
    core_.addCommand(f, "@?REL", [this](const std::string&) {
        core_.reply(release);
        core_.reply("OK");
    });
    core_.addCommand(f, "@MOMCH", [this](const std::string&) {
        for (const auto& line : memoryCheck) core_.reply(line);
        core_.reply("OK");
    });
}

}  // namespace mivo
