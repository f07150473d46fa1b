#include "files/difference.h"

#include "common/readable_text.h"

namespace mivo {

namespace {

std::string Quoted(const std::string& text) { return "\"" + ReadableText(text) + "\""; }

}  // namespace

void AddValueDifference(DataKind kind, int block, int item, std::string name,
                        const std::string& file, const std::string& controller, int memory,
                        std::vector<Difference>& out) {
    if (file == controller) return;
    out.push_back({kind, block, item, std::move(name), file, controller, -1, -1, memory});
}

std::string DifferenceLine(const Difference& d) {
    return d.name + ": file " + Quoted(d.fileText) + ", controller " + Quoted(d.controllerText);
}

}  // namespace mivo
