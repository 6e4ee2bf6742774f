// Small X11 client for the end-to-end scripts:
//   x11_test_tool window W H     a plain window standing in for a host's;
//                                prints its id, lives until it is killed
//                                (the server then destroys the window)
//   x11_test_tool close TITLE    asks the top-level window with that title
//                                to close, as a window manager's close
//                                button does; fails when there is none
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int MakeWindow(Display* x, int w, int h) {
  int s = DefaultScreen(x);
  Window win = XCreateSimpleWindow(x, RootWindow(x, s), 0, 0, static_cast<unsigned>(w), static_cast<unsigned>(h), 0,
                                   BlackPixel(x, s), BlackPixel(x, s));
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

}  // namespace

int main(int argc, char** argv) {
  Display* x = XOpenDisplay(nullptr);
  if (!x) {
    std::fprintf(stderr, "x11_test_tool: no display\n");
    return 1;
  }
  if (argc == 4 && std::strcmp(argv[1], "window") == 0) return MakeWindow(x, std::atoi(argv[2]), std::atoi(argv[3]));
  if (argc == 3 && std::strcmp(argv[1], "close") == 0) return Close(x, argv[2]);
  std::fprintf(stderr, "usage: x11_test_tool window W H | close TITLE\n");
  return 2;
}
