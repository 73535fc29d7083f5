#pragma once

#include "base/OkCancel.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// The properties of a bookmark or a desktop card: its title, address and icon.
class FormProperties : public QDialog {
    Q_OBJECT
public:
    explicit FormProperties(QWidget* parent = nullptr);

    // kind 8 a bookmark, 3 a desktop card.
    void Init(int kind, const QString& title, const QString& url, int icon);

    DialogResult Result = ResultCancel;
    int IconIndex = 0;

    QLineEdit *EditTitle, *EditUrl;
    QLabel* ImgIcon;
    QPushButton *ButOK, *ButCancel, *ButChangeIcon;

    void ButChangeIcon_Click();
    // The chooser the change-icon button opens; tests answer it instead of a user.
    std::function<int(int initial)> ChooseIcon;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showIcon();
};
