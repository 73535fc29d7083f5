#include "browse/PageDialogs.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// A long message wraps instead of widening the box past the screen.
constexpr int kTextWidth = 420;
} // namespace

PageDialogs::PageDialogs(QWidget* parent)
    : QObject(parent)
    , parent_(parent) {}

QString PageDialogs::TitleFor(const QUrl& origin) {
    if (!origin.host().isEmpty()) return origin.host();
    if (origin.isLocalFile() || origin.scheme() == QLatin1String("file")) return QStringLiteral("This file");
    return QStringLiteral("This page");
}

void PageDialogs::Alert(const QUrl& origin, const QString& text) {
    if (!silenced_) run(KindAlert, origin, text, QString(), nullptr);
}

bool PageDialogs::Confirm(const QUrl& origin, const QString& text) {
    return !silenced_ && run(KindConfirm, origin, text, QString(), nullptr);
}

bool PageDialogs::Prompt(const QUrl& origin, const QString& text, const QString& initial, QString* result) {
    return !silenced_ && run(KindPrompt, origin, text, initial, result);
}

bool PageDialogs::LeaveSite(const QUrl& origin) {
    // A silenced page cannot keep the user from leaving it.
    if (silenced_) return true;
    QDialog dialog(parent_, Qt::Dialog);
    dialog.setObjectName(QLatin1String(kObjectName));
    dialog.setWindowTitle(QStringLiteral("Leave site?"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(
        QStringLiteral("%1 asks whether you want to leave it.\nChanges that you made may not be saved.")
            .arg(TitleFor(origin)),
        &dialog);
    label->setWordWrap(true);
    label->setMaximumWidth(kTextWidth);
    layout->addWidget(label);
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* leave = buttons->addButton(QStringLiteral("Leave"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Stay"), QDialogButtonBox::RejectRole);
    leave->setDefault(true);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    waitForAnswer(dialog, nullptr);
    emit dialogReturned();
    return dialog.result() == QDialog::Accepted;
}

void PageDialogs::waitForAnswer(QDialog& dialog, QWidget* focus) {
    // Not modal: the window's own commands (close the tab, exit) stay in reach while it waits.
    ++depth_;
    open_.append(&dialog);
    QEventLoop loop;
    connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    dialog.show();
    dialog.activateWindow(); // Enter and Escape answer it at once
    if (focus) focus->setFocus();
    loop.exec();
    open_.removeAll(&dialog);
    --depth_;
}

bool PageDialogs::run(Kind kind, const QUrl& origin, const QString& text, const QString& initial,
                      QString* result) {
    QDialog dialog(parent_, Qt::Dialog);
    dialog.setObjectName(QLatin1String(kObjectName));
    dialog.setWindowTitle(TitleFor(origin));
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(text, &dialog);
    label->setTextFormat(Qt::PlainText); // the page's words, never our mark-up
    label->setWordWrap(true);
    label->setMaximumWidth(kTextWidth);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(label);
    QLineEdit* edit = nullptr;
    if (kind == KindPrompt) {
        edit = new QLineEdit(initial, &dialog);
        layout->addWidget(edit);
    }
    auto* silence = new QCheckBox(QStringLiteral("Don't let this page show more dialogs"), &dialog);
    layout->addWidget(silence);
    auto* buttons = new QDialogButtonBox(
        kind == KindAlert ? QDialogButtonBox::Ok : QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    waitForAnswer(dialog, edit);
    if (silence->isChecked()) silenced_ = true;
    const bool ok = dialog.result() == QDialog::Accepted;
    if (ok && result && edit) *result = edit->text();
    emit dialogReturned();
    return ok;
}

void PageDialogs::CloseAll() {
    const QList<QPointer<QDialog>> open = open_;
    for (const QPointer<QDialog>& dialog : open)
        if (dialog) dialog->reject();
}
