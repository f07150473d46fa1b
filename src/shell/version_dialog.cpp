#include "shell/version_dialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "codepage/cp1252.h"
#include "common/version.h"
#include "shell/window_style.h"

namespace mivo {

VersionDialog::VersionDialog(QWidget* parent) : OpenerDialog(parent) {
    setObjectName("TVer");
    setWindowTitle(tr("MIVO Editor [Version]"));

    auto* support = new QGroupBox(tr("Support software"), this);
    auto* supportLayout = new QHBoxLayout(support);
    supportLayout->addWidget(new QLabel(tr("Ver. : "), support));
    auto* own = new QLabel(kVersion, support);
    own->setObjectName("sapover");
    supportLayout->addWidget(own, 1);

    auto* unit = new QGroupBox(tr("MIVO main unit"), this);
    auto* unitLayout = new QGridLayout(unit);
    const QString captions[kUnits] = {tr("Main Ver. : "), tr("Xsub Ver. : "), tr("Ysub Ver. : "),
                                      tr("Zsub Ver. : "), tr("Rsub Ver. : ")};
    const char* names[kUnits] = {"Mainver", "Xver", "Yver", "Zver", "Rver"};
    for (int i = 0; i < kUnits; ++i) {
        unitLayout->addWidget(new QLabel(captions[i], unit), i, 0);
        values_[i] = new QLabel(unit);
        values_[i]->setObjectName(names[i]);
        values_[i]->setMinimumWidth(120);
        unitLayout->addWidget(values_[i], i, 1);
    }

    QPushButton* close = NamedButton(tr("Close"), "Close", this);
    ColumnAboveButton(this, {support, unit}, close);
    connect(close, &QPushButton::clicked, this, &VersionDialog::onCloseClicked);
}

void VersionDialog::setValue(int unit, const std::string& text) {
    if (unit >= 0 && unit < kUnits) values_[unit]->setText(Cp1252::decode(text));
}

QString VersionDialog::value(int unit) const {
    return unit >= 0 && unit < kUnits ? values_[unit]->text() : QString();
}

void VersionDialog::clearValues() {
    for (QLabel* v : values_) v->clear();
}

void VersionDialog::onCloseClicked() {
    giveBack();
    hide();
    clearValues();
}

void VersionDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    onCloseClicked();
}

}  // namespace mivo
