#pragma once
// The Windows-1252 check where text is typed: a character the code page cannot hold is refused
// there, never changed later.
#include <QValidator>

namespace mivo {

// Refuses typed or pasted text with a character Windows-1252 cannot hold.
class Cp1252Validator : public QValidator {
    Q_OBJECT
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

}  // namespace mivo
