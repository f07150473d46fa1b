#include "files/difference.h"

#include "common/convert.h"
#include "common/readable_text.h"

namespace mivo {

namespace {

std::string Quoted(const std::string& text) { return "\"" + ReadableText(text) + "\""; }

// The same value: the same text, or the same number however written ("0" and "0.00": a
// memory the controller has never been sent answers "0", the editors write "0.00").
bool SameValue(const std::string& file, const std::string& controller) {
    if (file == controller) return true;
    double a = 0;
    double b = 0;
    return TryStrToFloat(file, a) && TryStrToFloat(controller, b) && a == b;
}

}  // namespace

void AddValueDifference(DataKind kind, int block, int item, std::string name,
                        const std::string& file, const std::string& controller, int memory,
                        std::vector<Difference>& out) {
    if (SameValue(file, controller)) return;
    out.push_back({kind, block, item, std::move(name), file, controller, -1, -1, memory});
}

std::string DifferenceLine(const Difference& d, std::string_view side) {
    return d.name + ": " + std::string(side) + " " + Quoted(d.fileText) + ", controller " +
           Quoted(d.controllerText);
}

}  // namespace mivo
