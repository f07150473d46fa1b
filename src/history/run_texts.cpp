#include "history/run_texts.h"

#include <QCoreApplication>

#include "codepage/cp1252.h"
#include "common/readable_text.h"
#include "common/seconds_text.h"
#include "history/history_text.h"

namespace mivo {

QString ProgramText(int program) {
    return program >= 0 ? QString("P%1").arg(program) : QString("P?");
}

QString ResultText(const RunRecord& run) {
    QString text = QString::fromLatin1(RunResultWord(run.result));
    if (!run.errorCode.empty()) text += " " + KeptText(run.errorCode);
    return text;
}

QString CycleText(const RunRecord& run) {
    return run.cycleMs ? QString::fromStdString(SecondsText(*run.cycleMs)) : QString();
}

QString RunTitle(const RunRecord& run) {
    QString title = QCoreApplication::translate("RunTexts", "Run %1, %2, %3, %4")
                        .arg(run.id)
                        .arg(QString::fromStdString(LocalDateTime(run.startMs)))
                        .arg(ProgramText(run.program))
                        .arg(ResultText(run));
    if (run.cycleMs) title += ", " + CycleText(run);
    return title;
}

QString KeptText(const std::string& bytes) { return Cp1252::decode(ReadableText(bytes)); }

}  // namespace mivo
