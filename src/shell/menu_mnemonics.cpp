#include "shell/menu_mnemonics.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <set>

namespace mivo {

namespace {

// The position of the text's mnemonic letter, -1 for none.
qsizetype MnemonicAt(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] != '&') return i + 1;
        ++i;  // "&&"
    }
    return -1;
}

// The text without its mnemonic's "&".
QString Plain(const QString& text) {
    const qsizetype at = MnemonicAt(text);
    return at < 0 ? text : text.left(at - 1) + text.mid(at);
}

// The first letter or digit of `text` not in `used`, word starts first; -1 for none.
qsizetype FreeLetter(const QString& text, const std::set<QChar>& used) {
    for (bool wordStart : {true, false})
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (!c.isLetterOrNumber() || used.count(c.toLower())) continue;
            if (wordStart && i > 0 && text[i - 1].isLetterOrNumber()) continue;
            return i;
        }
    return -1;
}

void GiveMnemonics(const QList<QAction*>& actions) {
    QStringList texts;
    QList<QAction*> named;
    for (QAction* a : actions) {
        if (a->isSeparator() || a->text().isEmpty()) continue;
        texts << a->text();
        named << a;
    }
    const QStringList given = WithMnemonics(texts);
    for (qsizetype i = 0; i < named.size(); ++i) {
        if (given[i] != texts[i]) named[i]->setText(given[i]);
        if (QMenu* sub = named[i]->menu()) GiveMnemonics(sub->actions());
    }
}

}  // namespace

QStringList WithMnemonics(const QStringList& texts) {
    QStringList out = texts;
    std::set<QChar> used;
    std::vector<qsizetype> missing;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const qsizetype at = MnemonicAt(out[i]);
        if (at >= 0 && used.insert(out[i][at].toLower()).second) continue;
        out[i] = Plain(out[i]);
        missing.push_back(i);
    }
    for (qsizetype i : missing) {
        const qsizetype at = FreeLetter(out[i], used);
        if (at < 0) continue;
        used.insert(out[i][at].toLower());
        out[i].insert(at, '&');
    }
    return out;
}

void GiveMnemonics(QMenuBar* bar) { GiveMnemonics(bar->actions()); }

}  // namespace mivo
