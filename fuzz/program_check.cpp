// The program check over a step file's text, the axes' strokes taken from the same text's
// lines (as parameter k stands in line k + 1 of a parameter file).
#include "steps/program_check.h"

#include <vector>

#include "files/file_io.h"
#include "fuzz_input.h"
#include "steps/step_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = mivo::fuzz::Text(data, size);
    mivo::StepTable table;
    mivo::ConvertStepText(table, text, mivo::SilentPrompter::instance());
    const std::vector<std::string_view> lines = mivo::SplitLines(text);
    const mivo::AxisStrokes strokes = mivo::StrokesFromParameters([&](int n) {
        return n < static_cast<int>(lines.size()) ? std::string(lines[n]) : std::string();
    });
    const std::vector<mivo::Finding> findings = mivo::CheckProgram(table, strokes);
    for (const mivo::Finding& f : findings) mivo::FindingLine(f);
    if (!findings.empty()) mivo::SendAnywayQuestion(findings);
    return 0;
}
