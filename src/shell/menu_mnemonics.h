#pragma once
// Every menu's items reached by Alt and a letter: each item of a menu (and each menu of a menu
// bar) has its own underlined letter. A letter a table chose stays; an item without one, or
// with one an earlier item has, gets the first free letter that begins a word of its text, or
// else any free letter or digit of it.
#include <QStringList>

class QMenuBar;

namespace mivo {

// `texts` with a mnemonic each ("&&" is a literal "&"); where no letter is free, as they were.
QStringList WithMnemonics(const QStringList& texts);

// The menu bar's titles and every menu under it, submenus too.
void GiveMnemonics(QMenuBar* bar);

}  // namespace mivo
