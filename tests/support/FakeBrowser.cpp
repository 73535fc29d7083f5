#include "FakeBrowser.h"

FakeBrowser::FakeBrowser(QWidget* parent)
    : BrowserControl(parent)
    , view_(new QWidget(parent)) {}

FakeBrowser::~FakeBrowser() {
    delete view_;
}

void FakeBrowser::RunScript(const QString& script, ScriptCallback callback) {
    scripts << script;
    pendingScripts << callback;
}

void FakeBrowser::FindText(const QString& text, bool, std::function<void(int, int)> done) {
    commands << QStringLiteral("find:") + text;
    if (deferFind && done)
        deferFind(std::move(done));
    else if (done)
        done(text.isEmpty() ? 0 : 1, text.isEmpty() ? 0 : 1);
}

bool FakeBrowser::RestoreHistory(const QByteArray& saved) {
    if (!saved.startsWith("list:")) return false;
    restoredLists << QString::fromUtf8(saved.mid(5));
    navigations << QString::fromUtf8(saved.mid(5)); // the engine loads the current entry
    return true;
}

void FakeBrowser::Begin(const QString& address, const QString& frame) {
    busy = true;
    emit BeforeNavigate2(address, 0, frame, QByteArray(), QString());
}

void FakeBrowser::Commit(const QString& address) {
    location = address;
    emit NavigateComplete2(address);
}

void FakeBrowser::AnswerScript(const QVariant& answer) {
    if (pendingScripts.isEmpty()) return;
    ScriptCallback callback = pendingScripts.takeFirst();
    if (callback) callback(answer);
}

BrowserControl* FakeFactory::Create(QWidget* parent) {
    if (fail) return nullptr;
    auto* page = new FakeBrowser(parent);
    created << page;
    return page;
}

void FakeBrowser::RequestClose() {
    ++closeRequests;
    if (!answerLater) emit CloseAnswered(!keepOpen);
}
