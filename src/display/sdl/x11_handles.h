#pragma once
#include <memory>

// Xlib's connection type, without Xlib's macros (None, Status, Bool...)
// in every file that holds one.
struct _XDisplay;

namespace gs {

// An X connection of our own (not SDL's, which SDL closes itself).
struct XDisplayClose {
  void operator()(_XDisplay* x) const;
};
using UniqueXDisplay = std::unique_ptr<_XDisplay, XDisplayClose>;

// What Xlib allocated for an answer (a window list, a name): given to XFree.
struct XFreeMemory {
  void operator()(void* p) const;
};
template <typename T>
using UniqueXMemory = std::unique_ptr<T, XFreeMemory>;

}  // namespace gs
