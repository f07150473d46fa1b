#pragma once
// KeyboardMap: Help > "Keyboard", the keys of every window of the program in one table
// (window, command, keys), read afresh from the windows each time it shows; "Copy" (and Ctrl+C
// over the table) puts the rows, or the selected ones, on the clipboard as text.
#include <QDialog>

class QTableWidget;

namespace mivo {

class KeyboardMap : public QDialog {
    Q_OBJECT
  public:
    explicit KeyboardMap(QWidget* parent = nullptr);
    // Reads the keys of the program's windows again.
    void refresh();
    // The table as text: the selected rows, or all of them when none is selected.
    QString text() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QTableWidget* table_;
};

// Shows the one keyboard map, made the first time over `from`'s window.
void ShowKeyboardMap(QWidget* from);

}  // namespace mivo
