#pragma once

#include <QChar>

namespace qc {

class WindowManager;
struct WindowFlags;

// The keys of the windows a script drives (sub displays, music panel): "/" or "c" brings the
// display window and then the controller back to the front; Esc quits the program, closing
// the script's windows, the display window, the controller and the main window in turn.
// Whether the key was one of them.
bool handleScriptWindowKey(QChar key, WindowManager& windows, WindowFlags& flags);

} // namespace qc
