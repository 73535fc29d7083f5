#include "EngineWindow.h"

EngineWindowFixture::~EngineWindowFixture() {
    EndEngineWindow();
}

bool EngineWindowFixture::StartEngineWindow() {
    env = std::make_unique<TestEnvironment>();
    env->InitGlobalsWithRecorder();
    factory = std::make_unique<WebEngineBrowserFactory>(true);
    return OpenWindow();
}

bool EngineWindowFixture::OpenWindow() {
    form = std::make_unique<FormMain>(*factory);
    if (!form->DoInit()) return false;
    factory->SetDialogParent(form.get()); // where the program sets it: once the window is made
    form->show();
    return true;
}

void EngineWindowFixture::EndEngineWindow() {
    if (factory) factory->SetDialogParent(nullptr);
    form.reset();
    factory.reset();
    env.reset();
}
