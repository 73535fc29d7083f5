#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

class QDialog;
class QWidget;

// A page's own alert, confirm, prompt and leave-site dialogs. They are titled with the page's host,
// offer to silence the page, and never block the rest of the window: the user can still close the
// page or the program while one is open, which answers it "Cancel".
class PageDialogs : public QObject {
    Q_OBJECT
public:
    explicit PageDialogs(QWidget* parent);

    void Alert(const QUrl& origin, const QString& text);
    bool Confirm(const QUrl& origin, const QString& text);
    bool Prompt(const QUrl& origin, const QString& text, const QString& initial, QString* result);
    // Before the page is left or closed; true to leave.
    bool LeaveSite(const QUrl& origin);

    bool Open() const { return depth_ > 0; }
    // Answers every open dialog "Cancel" (the page is going).
    void CloseAll();
    // The user asked for no more dialogs from this page.
    bool Silenced() const { return silenced_; }
    void Unsilence() { silenced_ = false; }

    // The title of a page's dialog: its host, or what the page is when it has none.
    static QString TitleFor(const QUrl& origin);

    static constexpr const char* kObjectName = "PageDialog";

signals:
    // A dialog returned; its caller may act on what happened meanwhile.
    void dialogReturned();

private:
    enum Kind { KindAlert, KindConfirm, KindPrompt };
    // Shows one dialog and waits for it without blocking the window; true for OK.
    bool run(Kind kind, const QUrl& origin, const QString& text, const QString& initial, QString* result);
    // Shows the dialog and waits for its answer without blocking the window.
    void waitForAnswer(QDialog& dialog, QWidget* focus);

    QWidget* parent_;
    int depth_ = 0;
    bool silenced_ = false;
    QList<QPointer<QDialog>> open_;
};
