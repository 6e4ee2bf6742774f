#include "desktop/x11_desktop.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <type_traits>
#include <vector>

#include "desktop/preview_still.h"
#include "display/sdl/x11_handles.h"

namespace gs {

namespace {

bool g_badWindow = false;
int IgnoreErrors(::Display*, XErrorEvent* e) {
  if (e->error_code == BadWindow || e->error_code == BadDrawable) g_badWindow = true;
  return 0;
}

// The window list XQueryTree gives, freed with it.
struct WindowList {
  UniqueXMemory<Window> windows;
  unsigned int count = 0;
  bool Query(::Display* x, Window of) {
    Window root = 0, parent = 0, *list = nullptr;
    const bool ok = XQueryTree(x, of, &root, &parent, &list, &count) != 0;
    windows.reset(list);
    if (!ok) count = 0;
    return ok;
  }
  const Window* begin() const { return windows.get(); }
  const Window* end() const { return windows.get() + (windows ? count : 0); }
};

// The preview's image, whose pixels are a vector's, not Xlib's to free.
struct ImageFree {
  void operator()(XImage* image) const {
    image->data = nullptr;
    XDestroyImage(image);
  }
};

struct GcFree {
  ::Display* x;
  void operator()(GC gc) const { XFreeGC(x, gc); }
};

// Whether any of windows is named title.
bool AnyNamed(::Display* x, const std::vector<Window>& windows, const std::string& title) {
  for (Window w : windows) {
    char* name = nullptr;
    const bool fetched = XFetchName(x, w, &name) != 0;
    const UniqueXMemory<char> held(name);
    if (fetched && name && title == name) return true;
  }
  return false;
}

}  // namespace

bool TopLevelWindowExists(const std::string& title) {
  const UniqueXDisplay display(XOpenDisplay(nullptr));
  ::Display* x = display.get();
  if (!x) return false;
  auto old = XSetErrorHandler(IgnoreErrors);
  bool found = false;
  WindowList children;
  if (children.Query(x, DefaultRootWindow(x))) {
    for (Window child : children) {
      // Window managers reparent: look at the frame and its direct children.
      std::vector<Window> candidates{child};
      WindowList kids;
      if (kids.Query(x, child)) candidates.insert(candidates.end(), kids.begin(), kids.end());
      if ((found = AnyNamed(x, candidates, title))) break;
    }
  }
  XSync(x, False);
  XSetErrorHandler(old);
  return found;
}

bool QueryHostWindow(unsigned long window, HostGeometry& geometry) {
  const UniqueXDisplay display(XOpenDisplay(nullptr));
  ::Display* x = display.get();
  if (!x) return false;
  auto old = XSetErrorHandler(IgnoreErrors);
  g_badWindow = false;
  XWindowAttributes a{};
  const bool found = XGetWindowAttributes(x, window, &a) && !g_badWindow;
  if (found) geometry = HostGeometry{a.width, a.height, WidthOfScreen(a.screen), HeightOfScreen(a.screen)};
  XSetErrorHandler(old);
  return found;
}

int RunPreview(uint32_t host) {
  const UniqueXDisplay display(XOpenDisplay(nullptr));
  ::Display* x = display.get();
  if (!x) {
    std::fprintf(stderr, "gobbleshot1: /p needs an X display\n");
    return 1;
  }
  auto old = XSetErrorHandler(IgnoreErrors);
  g_badWindow = false;
  XWindowAttributes hostAttr{};
  Status ok = XGetWindowAttributes(x, host, &hostAttr);
  XSync(x, False);
  if (!ok || g_badWindow) {
    std::fprintf(stderr, "gobbleshot1: /p: there is no window %u\n", host);
    XSetErrorHandler(old);
    return 1;
  }
  XSelectInput(x, host, StructureNotifyMask);
  int screen = DefaultScreen(x);
  Window preview = XCreateSimpleWindow(x, host, 0, 0, std::max(1, hostAttr.width), std::max(1, hostAttr.height), 0,
                                       BlackPixel(x, screen), BlackPixel(x, screen));
  XStoreName(x, preview, "Preview");
  XSelectInput(x, preview, ExposureMask | StructureNotifyMask);
  XMapWindow(x, preview);

  // The still in the screen's own format.
  const PreviewStill& still = GetPreviewStill();
  Visual* visual = DefaultVisual(x, screen);
  int depth = DefaultDepth(x, screen);
  std::vector<char> pixels;
  const std::unique_ptr<XImage, ImageFree> image(XCreateImage(x, visual, static_cast<unsigned>(depth), ZPixmap, 0,
                                                              nullptr, PreviewStill::kWidth, PreviewStill::kHeight,
                                                              32, 0));
  XImage* img = image.get();
  pixels.resize(static_cast<size_t>(img->bytes_per_line) * PreviewStill::kHeight);
  img->data = pixels.data();
  for (int yy = 0; yy < PreviewStill::kHeight; ++yy)
    for (int xx = 0; xx < PreviewStill::kWidth; ++xx) {
      const uint8_t* rgb = still.palette + 3 * still.pixels[yy * PreviewStill::kWidth + xx];
      XPutPixel(img, xx, yy, (static_cast<unsigned long>(rgb[0]) << 16) | (rgb[1] << 8) | rgb[2]);
    }
  const std::unique_ptr<std::remove_pointer_t<GC>, GcFree> heldGc(XCreateGC(x, preview, 0, nullptr), GcFree{x});
  GC gc = heldGc.get();
  bool hostGone = false;
  while (!hostGone) {
    while (XPending(x)) {
      XEvent e;
      XNextEvent(x, &e);
      if (e.type == DestroyNotify && (e.xdestroywindow.window == host || e.xdestroywindow.window == preview))
        hostGone = true;
      if (e.type == ConfigureNotify && e.xconfigure.window == host)
        XResizeWindow(x, preview, std::max(1, e.xconfigure.width), std::max(1, e.xconfigure.height));
      if (e.type == Expose && e.xexpose.count == 0)
        XPutImage(x, preview, gc, img, 0, 0, 0, 0, PreviewStill::kWidth, PreviewStill::kHeight);
    }
    if (hostGone) break;
    pollfd fd{ConnectionNumber(x), POLLIN, 0};
    if (::poll(&fd, 1, 1000) < 0) break;
    if (fd.revents & (POLLHUP | POLLERR)) break;  // the X connection went away
  }
  XSetErrorHandler(old);
  return 0;
}

}  // namespace gs
