#pragma once

#include <QTemporaryDir>
#include <memory>

class FakeFactory;
class FormMain;
struct MainControls;
struct MainModules;
class RecordingAgent;

// A private home for one test: its own settings file and data folder, fresh globals.
class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();
    QString Home() const { return home_.path(); }
    QString SettingsFile() const;
    // Globals as start-up fills them, with a recording character in place of the real one.
    RecordingAgent& InitGlobalsWithRecorder();

private:
    QTemporaryDir home_;
};

// A main window on scripted pages, initialised as start-up does.
struct FakeWindow {
    FakeWindow();
    ~FakeWindow();
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<FakeFactory> factory;
    std::unique_ptr<FormMain> form;
    MainControls* ui = nullptr; // the window's controls
    MainModules* mod = nullptr; // and its modules
    RecordingAgent* agent = nullptr;
};
