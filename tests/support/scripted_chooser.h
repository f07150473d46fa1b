#pragma once
// File dialogs for tests: answered with a prepared name and filter; an empty name cancels.
#include <QString>
#include <QStringList>

#include "shell/file_chooser.h"

namespace mivo::test {

struct ScriptedChooser : FileChooser {
    QString name;
    int filter = 1;
    int calls = 0;
    QString offered;  // the name the last dialog proposed
    bool chooseSave(QWidget*, const QStringList&, QString& n, int& f) override {
        return answer(n, f);
    }
    bool chooseOpen(QWidget*, const QStringList&, QString& n, int& f) override {
        return answer(n, f);
    }
    bool answer(QString& n, int& f) {
        ++calls;
        offered = n;
        if (name.isEmpty()) return false;
        n = name;
        f = filter;
        return true;
    }
};

}  // namespace mivo::test
