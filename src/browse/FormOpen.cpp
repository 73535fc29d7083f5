#include "browse/FormOpen.h"

#include "base/OkCancel.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

FormOpen::FormOpen(QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Open"));
    Label1 = new QLabel(QStringLiteral("&Where would you like to go today?"), this);
    EditUrl = new QLineEdit(QStringLiteral("http://"), this);
    EditUrl->setMinimumWidth(360);
    Label1->setBuddy(EditUrl);
    Frame1 = new QGroupBox(QStringLiteral("&Destination window"), this);
    OptCurrentWindow = new QRadioButton(QStringLiteral("&Current window"), Frame1);
    OptNewWindow = new QRadioButton(QStringLiteral("&New window"), Frame1);
    OptExternalWindow = new QRadioButton(QStringLiteral("&External window"), Frame1);
    OptCurrentWindow->setChecked(true);
    auto* options = new QVBoxLayout(Frame1);
    options->addWidget(OptCurrentWindow);
    options->addWidget(OptNewWindow);
    options->addWidget(OptExternalWindow);

    const OkCancel buttons = MakeOkCancel(this);
    ButOK = buttons.ok;
    ButCancel = buttons.cancel;
    connect(ButOK, &QPushButton::clicked, this, [this] {
        Result = ResultOK;
        accept();
    });
    connect(ButCancel, &QPushButton::clicked, this, [this] {
        Result = ResultCancel;
        reject();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(EditUrl);
    layout->addWidget(Frame1);
    layout->addWidget(buttons.box);
    EditUrl->setFocus();
    EditUrl->setCursorPosition(int(EditUrl->text().size()));
}

FormOpen::Destination FormOpen::Chosen() const {
    if (OptNewWindow->isChecked()) return NewWindow;
    if (OptExternalWindow->isChecked()) return ExternalWindow;
    return CurrentWindow;
}

QString FormOpen::Address() const {
    return EditUrl->text();
}

void FormOpen::closeEvent(QCloseEvent* event) {
    // The close box acts as OK.
    Result = ResultOK;
    event->accept();
    accept();
}
