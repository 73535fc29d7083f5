#include "TestEnvironment.h"

#include "FakeBrowser.h"
#include "RecordingAgent.h"
#include "app/AppGlobals.h"
#include "app/Startup.h"
#include "app/WindowProbe.h"
#include "base/RegUtil.h"

#include <QStandardPaths>

TestEnvironment::TestEnvironment() {
    qputenv("HOME", home_.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home_.path() + QStringLiteral("/.config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home_.path() + QStringLiteral("/.local/share")).toLocal8Bit());
    RegUtil::SetSettingsFilePathForTesting(QString());
    ResetAppGlobals();
}

TestEnvironment::~TestEnvironment() {
    ResetAppGlobals();
}

QString TestEnvironment::SettingsFile() const {
    return RegUtil::SettingsFilePath();
}

RecordingAgent& TestEnvironment::InitGlobalsWithRecorder() {
    InitGlobals();
    auto agent = std::make_unique<RecordingAgent>();
    RecordingAgent& ref = *agent;
    App().Agent = std::move(agent);
    return ref;
}

FakeWindow::FakeWindow()
    : env(std::make_unique<TestEnvironment>())
    , factory(std::make_unique<FakeFactory>()) {
    agent = &env->InitGlobalsWithRecorder();
    form = std::make_unique<FormMain>(*factory);
    ui = &FormMainProbe::Controls(*form);
    mod = &FormMainProbe::Modules(*form);
    form->ShowMessage = [](const QString&, const QString&) {};
    form->DoInit();
}

FakeWindow::~FakeWindow() {
    form.reset();
}
