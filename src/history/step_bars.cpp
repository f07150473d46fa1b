#include "history/step_bars.h"

#include <QPainter>
#include <algorithm>

#include "common/seconds_text.h"
#include "history/run_texts.h"

namespace mivo {

namespace {

// The chart's colours: the first run as its cycles, the second as its limits, slower as its
// out-of-limit marks.
const QColor kFirstColour(0x20, 0x50, 0xD0), kSecondColour(0xE0, 0x80, 0x00),
    kSlowerColour(0xC0, 0x10, 0x10), kFasterColour(0x10, 0x80, 0x30), kTextColour(0x40, 0x40, 0x40),
    kFaintColour(0x90, 0x90, 0x90);

constexpr int kMargin = 8;

// "1.234 s".
QString Seconds(double seconds) { return QString::fromStdString(MillisecondsText(seconds)); }

QString Share(double share) { return QString::number(share * 100.0, 'f', 1) + " %"; }

QString Difference(double difference) {
    const QString text = Seconds(std::abs(difference));
    return (difference < 0 ? QString::fromUtf8("\u2212") : QString("+")) + text;
}

double Sum(const std::vector<MeasuredStep>& steps) {
    double sum = 0;
    for (const MeasuredStep& s : steps) sum += s.seconds;
    return sum;
}

}  // namespace

StepBars::StepBars(QWidget* parent) : QWidget(parent) {
    setObjectName("HistoryStepBars");
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    showNote(tr("Select a run to see where its cycle goes."));
}

void StepBars::showRun(const RunRecord& run, const std::vector<MeasuredStep>& steps) {
    comparing_ = false;
    totals_ = StepTotals(steps);
    differences_.clear();
    heading_ = {RunTitle(run)};
    note_.clear();
    if (totals_.empty())
        note_ = tr("No step times were kept for this run: the monitor was not on while it ran.");
    else
        heading_ << tr("%1 steps, their times summed %2, in the order first visited")
                        .arg(totals_.size())
                        .arg(Seconds(Sum(steps)));
    relayout();
}

void StepBars::showComparison(const RunRecord& first, const std::vector<MeasuredStep>& firstSteps,
                              const RunRecord& second,
                              const std::vector<MeasuredStep>& secondSteps) {
    comparing_ = true;
    totals_.clear();
    differences_ = CompareSteps(firstSteps, secondSteps);
    heading_ = {RunTitle(first), RunTitle(second)};
    note_.clear();
    if (firstSteps.empty() || secondSteps.empty()) {
        note_ = firstSteps.empty() && secondSteps.empty()
                    ? tr("No step times were kept for either run: the monitor was not on while "
                         "it ran.")
                : firstSteps.empty()
                    ? tr("No step times were kept for the first run: the monitor was not on "
                         "while it ran.")
                    : tr("No step times were kept for the second run: the monitor was not on "
                         "while it ran.");
    }
    const auto slower = std::count_if(differences_.begin(), differences_.end(),
                                      [](const StepDifference& d) { return d.slower; });
    heading_ << (slower == 1 ? tr("Second run %1 over all steps; slower at %2 step")
                             : tr("Second run %1 over all steps; slower at %2 steps"))
                    .arg(Difference(Sum(secondSteps) - Sum(firstSteps)))
                    .arg(slower);
    relayout();
}

void StepBars::showNote(const QString& note) {
    comparing_ = false;
    totals_.clear();
    differences_.clear();
    heading_.clear();
    note_ = note;
    relayout();
}

int StepBars::rowHeight() const {
    const int h = fontMetrics().height();
    return comparing_ ? 2 * h + 6 : h + 6;
}

int StepBars::headingHeight() const {
    const int lines = int(heading_.size()) + (note_.isEmpty() ? 0 : 2);
    return kMargin + lines * (fontMetrics().height() + 2) + 6;
}

QSize StepBars::sizeHint() const {
    const std::size_t rows = comparing_ ? differences_.size() : totals_.size();
    return {380, headingHeight() + int(rows) * rowHeight() + kMargin};
}

void StepBars::relayout() {
    setMinimumHeight(sizeHint().height());
    updateGeometry();
    update();
}

void StepBars::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics fm = fontMetrics();
    const int h = fm.height() + 2;
    int y = kMargin;
    for (int i = 0; i < heading_.size(); ++i, y += h) {
        int x = kMargin;
        // The compared runs' colours, as a key to the bars below.
        if (comparing_ && i < 2) {
            painter.fillRect(QRect(x, y + 3, h - 6, h - 6), i == 0 ? kFirstColour : kSecondColour);
            x += h;
        }
        painter.setPen(i == 0 || (comparing_ && i == 1) ? Qt::black : kTextColour);
        painter.drawText(QRect(x, y, width() - x - kMargin, h), Qt::AlignLeft | Qt::AlignVCenter,
                         fm.elidedText(heading_[i], Qt::ElideRight, width() - x - kMargin));
    }
    if (!note_.isEmpty()) {
        painter.setPen(kTextColour);
        painter.drawText(QRect(kMargin, y, width() - 2 * kMargin, 2 * h),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, note_);
    }
    painter.translate(0, headingHeight());
    if (comparing_)
        drawComparison(painter);
    else
        drawRun(painter);
}

void StepBars::drawRun(QPainter& painter) const {
    const QFontMetrics fm = fontMetrics();
    const int labelWidth = fm.horizontalAdvance(tr("Step %1").arg(999)) + 10;
    const int textWidth = fm.horizontalAdvance("888.888 s  100.0 %  \u00d799") + 10;
    const int barSpace = std::max(40, width() - 2 * kMargin - labelWidth - textWidth);
    double most = 0;
    for (const StepTotal& t : totals_) most = std::max(most, t.seconds);
    const int rh = rowHeight();
    for (std::size_t r = 0; r < totals_.size(); ++r) {
        const StepTotal& t = totals_[r];
        const int y = int(r) * rh;
        painter.setPen(kTextColour);
        painter.drawText(QRect(kMargin, y, labelWidth - 6, rh), Qt::AlignRight | Qt::AlignVCenter,
                         tr("Step %1").arg(t.step));
        const int length = most > 0 ? int(t.seconds / most * barSpace + 0.5) : 0;
        painter.fillRect(QRect(kMargin + labelWidth, y + 3, std::max(1, length), rh - 6),
                         kFirstColour);
        QString text = Seconds(t.seconds) + "  " + Share(t.share);
        if (t.visits > 1) text += QString::fromUtf8("  \u00d7%1").arg(t.visits);
        painter.setPen(Qt::black);
        painter.drawText(QRect(kMargin + labelWidth + length + 6, y, textWidth, rh),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}

void StepBars::drawComparison(QPainter& painter) const {
    const QFontMetrics fm = fontMetrics();
    const int labelWidth = fm.horizontalAdvance(tr("Step %1").arg(999)) + 10;
    const int valueWidth = fm.horizontalAdvance("888.888 s") + 8;
    const int textWidth = fm.horizontalAdvance(tr("%1  slower").arg("+888.888 s")) + 24;
    const int barSpace = std::max(40, width() - 2 * kMargin - labelWidth - valueWidth - textWidth);
    double most = 0;
    for (const StepDifference& d : differences_)
        most = std::max({most, d.first.value_or(0), d.second.value_or(0)});
    const int rh = rowHeight(), half = (rh - 6) / 2;
    QFont bold = font();
    bold.setBold(true);
    for (std::size_t r = 0; r < differences_.size(); ++r) {
        const StepDifference& d = differences_[r];
        const int y = int(r) * rh;
        painter.setFont(font());
        painter.setPen(kTextColour);
        painter.drawText(QRect(kMargin, y, labelWidth - 6, rh), Qt::AlignRight | Qt::AlignVCenter,
                         tr("Step %1").arg(d.step));
        for (int k = 0; k < 2; ++k) {
            const std::optional<double>& value = k == 0 ? d.first : d.second;
            const QRect lane(kMargin + labelWidth, y + 3 + k * half, barSpace + valueWidth, half);
            if (!value) {
                painter.setPen(kFaintColour);
                painter.drawText(lane, Qt::AlignLeft | Qt::AlignVCenter, tr("not visited"));
                continue;
            }
            const int length = most > 0 ? int(*value / most * barSpace + 0.5) : 0;
            painter.fillRect(QRect(lane.left(), lane.top() + 1, std::max(1, length), half - 2),
                             k == 0 ? kFirstColour : kSecondColour);
            painter.setPen(kTextColour);
            painter.drawText(QRect(lane.left() + length + 4, lane.top(), valueWidth, half),
                             Qt::AlignLeft | Qt::AlignVCenter, Seconds(*value));
        }
        // The difference beside the bars; a slower step says so in words, not only in red.
        const QRect text(width() - kMargin - textWidth, y, textWidth, rh);
        if (d.slower) {
            painter.setFont(bold);
            painter.setPen(kSlowerColour);
            painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                             tr("%1  slower").arg(Difference(d.difference)));
        } else {
            painter.setPen(d.difference <= -kSlowerBy ? kFasterColour : kTextColour);
            painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, Difference(d.difference));
        }
    }
    painter.setFont(font());
}

}  // namespace mivo
