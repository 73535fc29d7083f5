#pragma once

class QDialogButtonBox;
class QPushButton;
class QWidget;

// The OK and Cancel buttons every dialog of the program ends with; OK is the default button.
struct OkCancel {
    QDialogButtonBox* box;
    QPushButton* ok;
    QPushButton* cancel;
};
OkCancel MakeOkCancel(QWidget* dialog);
