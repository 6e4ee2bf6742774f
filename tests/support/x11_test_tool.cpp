// Small X11 client for the end-to-end scripts:
//   x11_test_tool window W H [X Y]  a plain window standing in for a host's;
//                                prints its id, lives until it is killed
//                                (the server then destroys the window)
//   x11_test_tool close TITLE    asks the top-level window with that title
//                                to close, as a window manager's close
//                                button does; fails when there is none
//   x11_test_tool cover ID       lays a window over window ID (all but its
//                                bottom right pixel) for 300 ms,
//   x11_test_tool remap ID       or unmaps it for 300 ms,
//   x11_test_tool resize ID W H  or resizes it, and then prints how many
//                                milliseconds passed until the show filled
//                                it again (scaled, aspect kept); fails when
//                                that takes more than 3 s
//   x11_test_tool blanket ID     lays a window over all of window ID until
//                                it is killed; prints its id
//   x11_test_tool unmap ID       unmaps window ID
//   x11_test_tool map ID         maps it and prints the milliseconds until
//                                the show filled it again
//   x11_test_tool saver          prints the server's screen-saver state:
//                                on, off or disabled
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/scrnsaver.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

int MakeWindow(Display* x, int w, int h, int left, int top) {
  int s = DefaultScreen(x);
  Window win = XCreateSimpleWindow(x, RootWindow(x, s), left, top, static_cast<unsigned>(w), static_cast<unsigned>(h),
                                   0, BlackPixel(x, s), BlackPixel(x, s));
  XStoreName(x, win, "host window");
  XMapWindow(x, win);
  XSync(x, False);
  std::printf("0x%lx\n", win);
  std::fflush(stdout);
  for (;;) pause();
}

Window FindTitled(Display* x, Window w, const std::string& title, int depth) {
  char* name = nullptr;
  if (XFetchName(x, w, &name) && name) {
    bool same = title == name;
    XFree(name);
    if (same) return w;
  }
  if (depth == 0) return 0;
  Window root = 0, parent = 0, *kids = nullptr;
  unsigned int n = 0;
  Window found = 0;
  if (XQueryTree(x, w, &root, &parent, &kids, &n)) {
    for (unsigned int i = 0; i < n && !found; ++i) found = FindTitled(x, kids[i], title, depth - 1);
    if (kids) XFree(kids);
  }
  return found;
}

int Close(Display* x, const std::string& title) {
  Window w = FindTitled(x, DefaultRootWindow(x), title, 2);
  if (!w) {
    std::fprintf(stderr, "x11_test_tool: no window titled \"%s\"\n", title.c_str());
    return 1;
  }
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = w;
  e.xclient.message_type = XInternAtom(x, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = static_cast<long>(XInternAtom(x, "WM_DELETE_WINDOW", False));
  e.xclient.data.l[1] = CurrentTime;
  XSendEvent(x, w, False, NoEventMask, &e);
  XSync(x, False);
  return 0;
}

using Ms = std::chrono::milliseconds;

// Whether the show fills the window: of a grid of points inside the place
// where the scaled picture goes, all but one at most are lit (the show's
// first scenes have no black areas), while the window's own background is
// black.
bool ShowFills(Display* x, Window w) {
  XWindowAttributes a{};
  if (!XGetWindowAttributes(x, w, &a) || a.map_state != IsViewable) return false;
  const double scale = std::min(a.width / 800.0, a.height / 600.0);
  const int pw = static_cast<int>(800 * scale), ph = static_cast<int>(600 * scale);
  const int ox = (a.width - pw) / 2, oy = (a.height - ph) / 2;
  // A few pixels one at a time: fetching more would keep the server from
  // the redraw this times.
  int lit = 0;
  for (int i = 1; i < 4; ++i)
    for (int j = 1; j < 4; ++j) {
      XImage* img = XGetImage(x, w, ox + pw * i / 4, oy + ph * j / 4, 1, 1, AllPlanes, ZPixmap);
      if (!img) return false;
      lit += XGetPixel(img, 0, 0) != 0 ? 1 : 0;
      XDestroyImage(img);
    }
  return lit >= 8;
}

// Prints the milliseconds from now until the show fills w again.
int TimeUntilShown(Display* x, Window w) {
  const auto t0 = std::chrono::steady_clock::now();
  for (;;) {
    const auto ms = std::chrono::duration_cast<Ms>(std::chrono::steady_clock::now() - t0).count();
    if (ShowFills(x, w)) {
      std::printf("%lld\n", static_cast<long long>(ms));
      return 0;
    }
    if (ms > 3000) {
      std::fprintf(stderr, "x11_test_tool: the show did not come back within 3 s\n");
      return 1;
    }
    std::this_thread::sleep_for(Ms(5));
  }
}

// A white override-redirect window raised over w, short of w's size by
// shrink pixels in each direction; None when w cannot be asked.
Window WhiteWindowOver(Display* x, Window w, int shrink) {
  XWindowAttributes a{};
  if (!XGetWindowAttributes(x, w, &a)) return None;
  XSetWindowAttributes sa{};
  sa.override_redirect = True;
  sa.background_pixel = WhitePixel(x, DefaultScreen(x));
  Window cover = XCreateWindow(x, DefaultRootWindow(x), a.x, a.y, static_cast<unsigned>(std::max(1, a.width - shrink)),
                               static_cast<unsigned>(std::max(1, a.height - shrink)), 0, CopyFromParent, InputOutput,
                               CopyFromParent, CWOverrideRedirect | CWBackPixel, &sa);
  XMapRaised(x, cover);
  XSync(x, False);
  return cover;
}

int Cover(Display* x, Window w) {
  // Short of the bottom right pixel, where a check may park the pointer: a
  // window appearing under the pointer is user activity to some hosts.
  const Window cover = WhiteWindowOver(x, w, 1);
  if (cover == None) return 1;
  std::this_thread::sleep_for(Ms(300));
  XDestroyWindow(x, cover);
  XSync(x, False);
  return TimeUntilShown(x, w);
}

int Remap(Display* x, Window w) {
  XUnmapWindow(x, w);
  XSync(x, False);
  std::this_thread::sleep_for(Ms(300));
  XMapWindow(x, w);
  XSync(x, False);
  return TimeUntilShown(x, w);
}

int Blanket(Display* x, Window w) {
  const Window cover = WhiteWindowOver(x, w, 0);
  if (cover == None) return 1;
  std::printf("0x%lx\n", cover);
  std::fflush(stdout);
  for (;;) pause();
}

int SaverState(Display* x) {
  int events = 0, errors = 0;
  XScreenSaverInfo* info = XScreenSaverAllocInfo();
  if (!info || !XScreenSaverQueryExtension(x, &events, &errors) ||
      !XScreenSaverQueryInfo(x, DefaultRootWindow(x), info))
    return 1;
  std::puts(info->state == ScreenSaverOn ? "on" : info->state == ScreenSaverOff ? "off" : "disabled");
  XFree(info);
  return 0;
}

int Resize(Display* x, Window w, int width, int height) {
  XResizeWindow(x, w, static_cast<unsigned>(width), static_cast<unsigned>(height));
  XSync(x, False);
  return TimeUntilShown(x, w);
}

}  // namespace

int main(int argc, char** argv) {
  Display* x = XOpenDisplay(nullptr);
  if (!x) {
    std::fprintf(stderr, "x11_test_tool: no display\n");
    return 1;
  }
  if ((argc == 4 || argc == 6) && std::strcmp(argv[1], "window") == 0)
    return MakeWindow(x, std::atoi(argv[2]), std::atoi(argv[3]), argc == 6 ? std::atoi(argv[4]) : 0,
                      argc == 6 ? std::atoi(argv[5]) : 0);
  if (argc == 3 && std::strcmp(argv[1], "close") == 0) return Close(x, argv[2]);
  if (argc == 2 && std::strcmp(argv[1], "saver") == 0) return SaverState(x);
  const Window id = argc >= 3 ? std::strtoul(argv[2], nullptr, 0) : 0;
  if (argc == 3 && std::strcmp(argv[1], "cover") == 0) return Cover(x, id);
  if (argc == 3 && std::strcmp(argv[1], "remap") == 0) return Remap(x, id);
  if (argc == 3 && std::strcmp(argv[1], "blanket") == 0) return Blanket(x, id);
  if (argc == 3 && std::strcmp(argv[1], "unmap") == 0) {
    XUnmapWindow(x, id);
    XSync(x, False);
    return 0;
  }
  if (argc == 3 && std::strcmp(argv[1], "map") == 0) {
    XMapWindow(x, id);
    XSync(x, False);
    return TimeUntilShown(x, id);
  }
  if (argc == 5 && std::strcmp(argv[1], "resize") == 0) return Resize(x, id, std::atoi(argv[3]), std::atoi(argv[4]));
  std::fprintf(stderr, "usage: x11_test_tool window W H [X Y] | close TITLE | cover ID | remap ID | resize ID W H |\n"
                       "       blanket ID | unmap ID | map ID | saver\n");
  return 2;
}
