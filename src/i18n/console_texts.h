#pragma once
// The program's texts in a program without a QCoreApplication (mivo's offline commands have
// none, and Qt translates only through one): its own translator, kept for the process.
#include <QString>
#include <string>

namespace mivo {

// Loads the program's translations for `language` (none for English). False when it speaks
// English: chosen so, or the translations were not found.
bool SpeakOnConsole(const QString& language);

// `english` (UTF-8) in the language spoken, in the locale's encoding; a text made by Filled is
// its template translated and filled with the same values. As it came when no translation knows
// it.
std::string OnConsole(const std::string& english);

}  // namespace mivo
