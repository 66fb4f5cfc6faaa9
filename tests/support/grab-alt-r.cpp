// Holds Alt+R on an X display the way another program would, until it is ended:
//   mirato-grab-alt-r     (prints "grabbed" once it holds the key)
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <unistd.h>

#include <cstdio>

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 1;
    const KeyCode r = XKeysymToKeycode(display, XK_r);
    XGrabKey(display, r, Mod1Mask, DefaultRootWindow(display), True, GrabModeAsync, GrabModeAsync);
    XSync(display, False);
    std::puts("grabbed");
    std::fflush(stdout);
    for (;;)
        pause();
}
