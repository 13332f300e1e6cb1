// Prints how many pixels of the mouse pointer, as the X server currently shows it, are not
// transparent: 0 means the pointer is hidden.
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <cstdio>

int main()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 2;
    XFixesCursorImage* cursor = XFixesGetCursorImage(display);
    if (!cursor)
        return 2;
    long visible = 0;
    for (int i = 0; i < cursor->width * cursor->height; ++i) {
        if ((cursor->pixels[i] >> 24) & 0xff)
            ++visible;
    }
    std::printf("%ld\n", visible);
    XFree(cursor);
    XCloseDisplay(display);
    return 0;
}
