#pragma once

#include <QByteArray>
#include <QIcon>
#include <QObject>
#include <QString>
#include <QVariant>
#include <functional>

class QWidget;

// One embedded browser page as the window sees it: commands in, navigation events out. The window
// never touches the engine directly, so tests can drive it with a scripted fake.
class BrowserControl : public QObject {
    Q_OBJECT
public:
    using ScriptCallback = std::function<void(const QVariant&)>;

    explicit BrowserControl(QObject* parent = nullptr)
        : QObject(parent) {}
    ~BrowserControl() override = default;

    // The widget that shows the page.
    virtual QWidget* View() = 0;

    virtual void Navigate(const QString& address) = 0;
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    virtual void Stop() = 0;
    virtual void Refresh() = 0;
    virtual QString LocationURL() const = 0;
    virtual QString LocationName() const = 0;
    // True while the page is loading.
    virtual bool Busy() const = 0;
    // False once the page's renderer has died or the page closed itself; such a page is cleaned up.
    virtual bool Alive() const = 0;
    // True when the page stopped because its renderer died (not because it closed itself).
    virtual bool Crashed() const = 0;

    // Asks the page whether it may close (its own beforeunload runs, and may ask the user);
    // CloseAnswered tells the answer.
    virtual void RequestClose() = 0;
    // True while one of the page's own dialogs (alert, confirm, prompt, leave) waits for the user.
    virtual bool DialogOpen() const = 0;
    // The window is done with the page: it goes now, or as soon as its open dialog has returned.
    virtual void Dispose() { deleteLater(); }

    // Runs a script in the page's main frame, isolated from the page's own scripts; the callback
    // receives the result later, or an invalid value when the page cannot answer.
    virtual void RunScript(const QString& script, ScriptCallback callback) = 0;

    // Page commands: the engine's own find and print.
    virtual void FindText(const QString& text, bool backward, std::function<void(int matches)> done) = 0;
    virtual void Print(QWidget* dialogParent) = 0;
    virtual void SetZoom(double factor) = 0;
    virtual double Zoom() const = 0;

    // Commands of the CommandStateChange event.
    enum Command { CommandForward = 1, CommandBack = 2 };

    // The engine's own Cut, Copy and Paste on what has the focus in the page, and whether each can
    // run now; EditStateChanged tells when that may have changed.
    enum EditCommand { EditCut, EditCopy, EditPaste };
    virtual bool CanEdit(EditCommand) const { return false; }
    virtual void Edit(EditCommand) {}

signals:
    void BeforeNavigate2(const QString& address, int flags, const QString& targetFrame,
                         const QByteArray& postData, const QString& headers);
    void NavigateComplete2(const QString& address);
    void ProgressChange(int progress, int maximum);
    void CommandStateChange(int command, bool enabled);
    void DocumentComplete(const QString& address);
    void StatusTextChange(const QString& text);
    void TitleChange(const QString& text);
    // The page's own small picture (its favicon), or a null icon when it has none.
    void IconChange(const QIcon& icon);
    // The page asks for a new window. A handler sets *target to the control that shows it;
    // leaving it null refuses the window.
    void NewWindow2(BrowserControl** target);
    void OnQuit();
    // The answer to RequestClose: true when the page agreed to close.
    void CloseAnswered(bool close);
    // Something the user should read in the status bar ("Pop-up blocked", printing done).
    void Notice(const QString& text);
    // A selection was made or dropped, or the focus moved within the page.
    void EditStateChanged();
};

// Makes browser controls; returns nullptr when no page can be created.
class BrowserFactory {
public:
    virtual ~BrowserFactory() = default;
    virtual BrowserControl* Create(QWidget* parent) = 0;
};
