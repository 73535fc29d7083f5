#pragma once

// What the process must settle before and right after the application object exists: the engine's
// sandbox (off for root), the program's own page scheme, shared GL contexts; then its names and icon.
void PrepareBeforeApplication();
void NameApplication();
