#include "display/sdl/x11_handles.h"

#include <X11/Xlib.h>

namespace gs {

void XDisplayClose::operator()(_XDisplay* x) const { XCloseDisplay(x); }

void XFreeMemory::operator()(void* p) const { XFree(p); }

}  // namespace gs
