// The real window: one SDL window showing the desktop, keyboard, mouse, sound.
#pragma once

#include <memory>
#include <string>

#include "platform/runtime.h"

namespace ham {

// Null with `error` set when no window can be opened; `no_display` is set
// when that is because there is no display (only an off-screen one that was
// not asked for by SDL_VIDEODRIVER).
std::unique_ptr<Backend> MakeSdlBackend(Runtime& rt, std::string* error, bool* no_display = nullptr);

// Where the desktop lands in a drawable of the given size: as large as fits,
// aspect kept, centred.
Rect FitDesktop(int out_w, int out_h);
// Desktop point under a drawable point; false outside the desktop.
bool DrawableToDesktop(const Rect& fit, double x, double y, int* dx, int* dy);

// Renders the screen again and reads the window's pixels back (at the
// drawable's size). False when `backend` is not the window backend.
bool ReadBackWindow(Backend& backend, Surface& out);

// Bytes of sound converted and queued for the device, not yet played; 0
// when `backend` is not the window backend.
std::size_t QueuedSoundBytes(Backend& backend);

}  // namespace ham
