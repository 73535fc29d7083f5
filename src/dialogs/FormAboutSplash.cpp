#include "dialogs/FormAboutSplash.h"

#include "base/ProductProfile.h"
#include "music/Midi.h"
#include "music/Music.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

FormAboutSplash::FormAboutSplash(QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("About ") + ProductProfile().Product_Name());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Image1 = new QLabel(this);
    Image1->setPixmap(QPixmap(QStringLiteral(":/art/about.png")));
    Image1->setFixedSize(314, 158);
    Label1 = new QLabel(QStringLiteral("Version 1.0"), this);
    Label2 = new QLabel(QStringLiteral("Copyright \u00A9 Varnholt Software. All rights reserved.\n"
                                       "This product includes assistant-character technology; see the "
                                       "credits file in the program folder for the people and works it "
                                       "builds on."),
                        this);
    Label2->setWordWrap(true);
    ButOK = new QPushButton(QStringLiteral("OK"), this);
    ButOK->setDefault(true);
    TimerSplash = new QTimer(this);
    TimerSplash->setInterval(kSplashMs);
    TimerSplash->setSingleShot(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(Image1, 0, Qt::AlignHCenter);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(ButOK, 0, Qt::AlignHCenter);
    setFixedWidth(314 + 16);

    connect(ButOK, &QPushButton::clicked, this, &QDialog::hide);
    connect(ButOK, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
    connect(TimerSplash, &QTimer::timeout, this, [this] {
        TimerSplash->stop();
        hide();
    });
}

void FormAboutSplash::Init(bool about) {
    about_ = about;
    if (about) {
        ButOK->show();
        TimerSplash->stop();
        setWindowFlag(Qt::WindowStaysOnTopHint, false);
        return;
    }
    // The splash ends exactly where the OK button begins, so the button area is cut off.
    ButOK->hide();
    adjustSize();
    ButOK->show();
    layout()->activate();
    const int cut = ButOK->geometry().top();
    ButOK->hide();
    setFixedHeight(cut);
    TimerSplash->start();
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
}

void FormAboutSplash::CloseSplash() {
    hide();
}

void FormAboutSplash::closeEvent(QCloseEvent* event) {
    // Closing by the close box acts as OK: the window hides.
    event->ignore();
    hide();
    if (about_) done(QDialog::Accepted);
}

void FormAboutSplash::reject() {
    hide();
    if (about_) done(QDialog::Accepted);
}

void ShowAboutBox(QWidget* parent, const std::function<void()>& shown) {
    // The theme song plays whatever the "Play theme" setting says; a busy sequencer stays silent.
    Midi::PlayOneSong(ThemeSongPath());
    FormAboutSplash about(parent);
    about.Init(true);
    if (shown) shown();
    about.exec();
}
