#include "procedures/procedure_context.h"

namespace mivo {

std::string ProcedureContext::send(const std::string& command) {
    std::string reply = channel.request(command);
    log.push_back(reply);
    return reply;
}

std::string ProcedureContext::next() {
    std::string reply = channel.next();
    log.push_back(reply);
    return reply;
}

std::string ProcedureContext::trailing() {
    if (!unseenTrailing) return next();
    std::string reply = unseenTrailing();
    log.push_back(reply);
    return reply;
}

}  // namespace mivo
