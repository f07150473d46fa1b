#include "cli/person_words.h"

namespace mivo {

namespace {

TranslateText translation = nullptr;

}  // namespace

void SetPersonWords(TranslateText translate) { translation = translate; }

std::string ForPerson(const std::string& english) {
    return translation ? translation(english) : english;
}

}  // namespace mivo
