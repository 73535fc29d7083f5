#pragma once

class QDialogButtonBox;
class QPushButton;
class QWidget;

// How a dialog ended: the values the caller reads from its Result.
enum DialogResult { ResultOK = 1, ResultCancel = 2 };

// The OK and Cancel buttons every dialog of the program ends with; OK is the default button.
struct OkCancel {
    QDialogButtonBox* box;
    QPushButton* ok;
    QPushButton* cancel;
};
OkCancel MakeOkCancel(QWidget* dialog);
