#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

// The keyboard on the controller, as the operator's: focus it, forget what came before (the
// repaints subtracted from the damage), so that every event after the press is the step's.
inline void prepareStep(Display* display, Window controller, int damageEvent, Damage damage)
{
    XSetInputFocus(display, controller, RevertToParent, CurrentTime);
    XSync(display, False);
    while (XPending(display) > 0) {
        XEvent stale;
        XNextEvent(display, &stale);
        if (stale.type == damageEvent + XDamageNotify)
            XDamageSubtract(display, damage, None, None);
    }
}

// A key pressed and released through XTest, as a keyboard would.
inline void pressKey(Display* display, KeyCode key)
{
    XTestFakeKeyEvent(display, key, True, CurrentTime);
    XTestFakeKeyEvent(display, key, False, CurrentTime);
    XFlush(display);
}
