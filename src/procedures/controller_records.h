#pragma once
// The controller's version and error-record queries; the screens show the results in VersionDialog
// and ErrorRecordDialog.
#include <array>
#include <string>
#include <vector>

#include "procedures/outcome.h"
#include "procedures/procedure_context.h"

namespace mivo {

// The five units' versions (main, X, Y, Z, R); "" for a unit that gave none.
struct Versions {
    Outcome outcome = Outcome::Failed;  // Completed when all five units were asked
    std::array<std::string, 5> values;
};

// The five in one text for a run's record: "V1.20/V1.01/V1.02/V1.03/V1.04", a unit that gave
// none left empty between its slashes.
std::string VersionsText(const Versions& versions);

// "@?Ver 0".."@?Ver 4": a data reply is the unit's version; after a status word, a following
// line beginning "23" leaves the unit blank and goes on, any other goes to the error dialog.
Versions QueryVersions(ProcedureContext& ctx);

struct ErrorRecord {
    Outcome outcome = Outcome::Failed;  // Completed when the record ended with "OK"
    std::vector<std::string> lines;     // the lines as received, the last being "OK"
};

// Asks "Is error record received?", then "@READ ERR" for at most 15 lines.
ErrorRecord QueryErrorRecord(ProcedureContext& ctx);

}  // namespace mivo
