#pragma once

#include <functional>

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;

// One small window in two roles: the splash while the program starts (topmost, no button, gone after
// ten seconds at the latest) and the modal about box of the Help menu.
class FormAboutSplash : public QDialog {
    Q_OBJECT
public:
    explicit FormAboutSplash(QWidget* parent = nullptr);

    void Init(bool about);
    void CloseSplash();

    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QPushButton* ButOK;
    QTimer* TimerSplash;

    static constexpr int kSplashMs = 10000;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    bool about_ = false;
};

// Help > About: the theme song, the about box shown modally, then gone.
// shown runs once the box is up, before it waits for the user (the character's comment).
void ShowAboutBox(QWidget* parent, const std::function<void()>& shown = {});
