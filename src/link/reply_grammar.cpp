#include "link/reply_grammar.h"

namespace mivo {

namespace {

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// "@X1+" .. "@R3-": the axis letter, the mode digit, the sign.
bool IsJog(const std::string& c, char mode) {
    return c.size() == 4 && c[0] == '@' && std::string("XYZR").find(c[1]) != std::string::npos &&
           c[2] == mode && (c[3] == '+' || c[3] == '-');
}

}  // namespace

ReplyShape ShapeOf(const std::string& c) {
    if (c == "@STOP") return ReplyShape::Stop;
    if (c == "@MSTOP") return ReplyShape::MotorStop;
    if (c == "@RUN") return ReplyShape::Run;
    if (c == "@SRUN") return ReplyShape::StepRun;
    if (IsJog(c, '2') || IsJog(c, '3')) return ReplyShape::Hold;
    if (IsJog(c, '1') || c == "@ORG" || c == "@ZI" || StartsWith(c, "@GO ") ||
        StartsWith(c, "@CIR GO ") || StartsWith(c, "@PAL GO "))
        return ReplyShape::Move;
    if (StartsWith(c, "@READ ")) return ReplyShape::Record;
    if (c == "@MOMCH") return ReplyShape::Check;
    if (StartsWith(c, "@?")) return ReplyShape::Value;
    if (c == "@OFF" || StartsWith(c, "@DO ") || StartsWith(c, "@INIT ")) return ReplyShape::Done;
    return ReplyShape::Line;
}

bool Moves(ReplyShape shape) {
    return shape == ReplyShape::Move || shape == ReplyShape::StepRun || shape == ReplyShape::Run ||
           shape == ReplyShape::Hold;
}

const std::vector<CommandShape>& DirectCommands() {
    static const std::vector<CommandShape> commands = [] {
        std::vector<CommandShape> out;
        for (const char* c :
             {"@ORG",        "@RUN",          "@SRUN",     "@GO 1",     "@CIR GO 2,1",
              "@PAL GO 0,1", "@ZI",           "@X1+",      "@Y2-",      "@R3+",
              "@OFF",        "@STOP",         "@MSTOP",    "@?ORG",     "@?NO",
              "@?SNO",       "@?POS 1",       "@?POS 0",   "@?C 0",     "@?DO 3",
              "@?DI 3",      "@READ STEP 1",  "@DO 3,1",   "@INIT C 0", "@INIT C ALL",
              "@INIT PGM",   "@INIT PGM ALL", "@INIT ERR", "@INIT PRM", "@MOMCH"})
            out.push_back({c, ShapeOf(c)});
        return out;
    }();
    return commands;
}

}  // namespace mivo
