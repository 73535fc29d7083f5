#pragma once

#include "base/OkCancel.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

// The icon chooser: all card icons in a list; OK takes the selected one.
class FormIcons : public QDialog {
    Q_OBJECT
public:
    explicit FormIcons(QWidget* parent = nullptr);

    // Fills the list and selects the default icon when it is one of them.
    void Init(int defaultIcon);
    void Uninit();

    DialogResult Result = ResultCancel;
    int IconIndex = 0;

    QLabel* LabPrompt;
    QListWidget* ListIcons;
    QPushButton *ButOK, *ButCancel;

    void ButOK_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
};

// Shows the chooser starting at the icon; the chosen icon, or 0 when the user cancels.
int ChooseIcon(int initial, QWidget* parent = nullptr);
