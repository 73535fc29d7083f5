#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QGroupBox;
class QPushButton;
class QRadioButton;

// The Open dialog: an address and where to open it.
class FormOpen : public QDialog {
    Q_OBJECT
public:
    explicit FormOpen(QWidget* parent = nullptr);

    enum Destination { CurrentWindow, NewWindow, ExternalWindow };
    Destination Chosen() const;
    QString Address() const;
    int Result = 2; // 1 OK, 2 Cancel

    QLabel* Label1;
    QLineEdit* EditUrl;
    QGroupBox* Frame1;
    QRadioButton *OptCurrentWindow, *OptNewWindow, *OptExternalWindow;
    QPushButton *ButOK, *ButCancel;

protected:
    void closeEvent(QCloseEvent* event) override;
};
