#pragma once

#include "browse/BrowserControl.h"

#include <QStringList>
#include <QWidget>

// A scripted browser page: tests raise its events by hand and read what the window asked of it.
class FakeBrowser : public BrowserControl {
    Q_OBJECT
public:
    explicit FakeBrowser(QWidget* parent);
    ~FakeBrowser() override;

    QWidget* View() override { return view_; }
    void Navigate(const QString& address) override { navigations << address; }
    void GoBack() override { commands << QStringLiteral("back"); }
    void GoForward() override { commands << QStringLiteral("forward"); }
    void Stop() override { commands << QStringLiteral("stop"); }
    void Refresh() override { commands << QStringLiteral("refresh"); }
    QString LocationURL() const override { return location; }
    QString LocationName() const override { return name; }
    bool Busy() const override { return busy; }
    bool Alive() const override { return alive; }
    bool Crashed() const override { return crashed; }
    // Answers at once unless answerLater is set; then the test emits CloseAnswered itself.
    void RequestClose() override;
    bool DialogOpen() const override { return dialogOpen; }
    void RunScript(const QString& script, ScriptCallback callback) override;
    void FindText(const QString& text, bool, std::function<void(int)> done) override;
    void Print(QWidget*) override { commands << QStringLiteral("print"); }
    void SetZoom(double factor) override { zoom = factor; }
    double Zoom() const override { return zoom; }
    bool CanEdit(EditCommand command) const override { return canEdit[command]; }
    void Edit(EditCommand command) override { edits << int(command); }

    // A whole navigation as the engine reports it: before-navigate, then commit.
    void Begin(const QString& address, const QString& frame = QString());
    void Commit(const QString& address);
    void Finish() { emit ProgressChange(-1, 100); }
    void Title(const QString& text) { emit TitleChange(text); }
    // Answers the oldest script request.
    void AnswerScript(const QVariant& answer);

    QStringList navigations;
    QStringList commands;
    QStringList scripts;
    QList<ScriptCallback> pendingScripts;
    QString location;
    QString name;
    bool busy = false;
    bool alive = true;
    bool crashed = false;
    bool keepOpen = false;    // the page's beforeunload keeps it open
    bool answerLater = false; // the page answers a close request only when the test says so
    bool dialogOpen = false;
    int closeRequests = 0;
    // When set, find answers go here for the test to give later.
    std::function<void(std::function<void(int)>)> deferFind;
    double zoom = 1.0;
    bool canEdit[3] = {}; // Cut, Copy, Paste
    QList<int> edits;

private:
    QWidget* view_;
};

class FakeFactory : public BrowserFactory {
public:
    BrowserControl* Create(QWidget* parent) override;
    bool fail = false;
    QList<FakeBrowser*> created;
};
