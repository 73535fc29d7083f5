#include "app/AppGlobals.h"

#include "agent/AgentController.h"
#include "base/ProductProfile.h"

AppGlobals::AppGlobals() = default;
AppGlobals::~AppGlobals() = default;

namespace {
std::unique_ptr<AppGlobals>& instance() {
    static std::unique_ptr<AppGlobals> globals = std::make_unique<AppGlobals>();
    return globals;
}
} // namespace

AppGlobals& App() {
    return *instance();
}

void ResetAppGlobals() {
    instance() = std::make_unique<AppGlobals>();
}
