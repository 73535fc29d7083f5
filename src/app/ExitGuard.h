#pragma once

// When the X display goes away, the toolkit ends the program with exit() from deep inside the event
// loop. exit() would then destroy the program's globals (the character's windows, the music device)
// after the window system is gone, and that crashes. Once armed, such an exit ends the process at
// once instead; the bookmarks and cards are on the disk after every change, so nothing is lost.
namespace ExitGuard {

// Call once the program has started, after its globals exist: exit() from now on ends at once.
void Arm();
// Call when the event loop has returned: the ordinary end runs its clean-up as usual.
void Disarm();

} // namespace ExitGuard
