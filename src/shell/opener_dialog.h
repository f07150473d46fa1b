#pragma once
// A dialog that an opener shows over itself, disabled meanwhile, and that gives the opener back
// its controls on closing: the version, error-record, error, progress, cancel, port and
// initialisation dialogs.
#include <QDialog>

#include "shell/window_style.h"

namespace mivo {

class OpenerDialog : public QDialog {
  public:
    using QDialog::QDialog;

    // Shows the dialog over `opener` (nullptr: over no window).
    void showFor(QWidget* opener) {
        opener_ = opener;
        ShowOver(this, opener);
    }
    QWidget* opener() const { return opener_; }

  protected:
    // Enables the opener again; with `whenShowing` only while it shows.
    void giveBack(bool whenShowing = false) {
        if (whenShowing)
            EnableIfVisible(opener_);
        else
            Enable(opener_);
    }
    // Centred over its opener, as written.
    void showEvent(QShowEvent* event) override {
        CentreOverOwner(this);
        QDialog::showEvent(event);
    }

  private:
    QWidget* opener_ = nullptr;
};

}  // namespace mivo
