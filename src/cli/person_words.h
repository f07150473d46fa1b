#pragma once
// What mivo says to a person (its questions, problems and details, on standard error) in the
// user's language. Its reports on standard output stay as written, for scripts. The program sets
// the translation (it needs Qt); until then, and for a text no translation knows, a text shows
// as it came.
#include <string>

namespace mivo {

using TranslateText = std::string (*)(const std::string& english);
void SetPersonWords(TranslateText translate);

// `english` as the person reads it.
std::string ForPerson(const std::string& english);

}  // namespace mivo
