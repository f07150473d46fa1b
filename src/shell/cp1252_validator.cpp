#include "shell/cp1252_validator.h"

#include "codepage/cp1252.h"

namespace mivo {

QValidator::State Cp1252Validator::validate(QString& input, int& /*pos*/) const {
    return Cp1252::canEncode(input) ? Acceptable : Invalid;
}

}  // namespace mivo
