// Test tool for the Wayland checks: gives the compositor's seat a pointer
// (a virtual one, as a remote-desktop server would) and moves it, for a
// compositor that has no input devices of its own.
//   wayland_pointer_tool STEPS DX DY INTERVAL_MS [click]
// waits a second for the clients to take up the pointer, then moves it
// STEPS times by DX, DY, INTERVAL_MS apart, and with "click" then presses
// and releases the left button where it stands.
#include <wayland-client.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

// The two interfaces of the wlroots virtual-pointer protocol, version 1,
// with their requests in protocol order (the opcodes are the indices).
const wl_interface* kNoTypes[8] = {};
extern const wl_interface kPointerInterface;
const wl_interface* kCreateTypes[] = {&wl_seat_interface, &kPointerInterface};
const wl_message kManagerRequests[] = {{"create_virtual_pointer", "?on", kCreateTypes}, {"destroy", "", kNoTypes}};
const wl_interface kManagerInterface = {"zwlr_virtual_pointer_manager_v1", 1, 2, kManagerRequests, 0, nullptr};
const wl_message kPointerRequests[] = {{"motion", "uff", kNoTypes},       {"motion_absolute", "uuuuu", kNoTypes},
                                       {"button", "uuu", kNoTypes},       {"axis", "uuf", kNoTypes},
                                       {"frame", "", kNoTypes},           {"axis_source", "u", kNoTypes},
                                       {"axis_stop", "uu", kNoTypes},     {"axis_discrete", "uufi", kNoTypes},
                                       {"destroy", "", kNoTypes}};
const wl_interface kPointerInterface = {"zwlr_virtual_pointer_v1", 1, 9, kPointerRequests, 0, nullptr};
enum { kMotion = 0, kButton = 2, kFrame = 4, kDestroy = 8 };
constexpr uint32_t kLeftButton = 0x110;  // BTN_LEFT of linux/input-event-codes.h

struct Globals {
  wl_seat* seat = nullptr;
  wl_proxy* manager = nullptr;
};

void Global(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
  auto* g = static_cast<Globals*>(data);
  if (std::strcmp(interface, wl_seat_interface.name) == 0 && !g->seat)
    g->seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
  if (std::strcmp(interface, kManagerInterface.name) == 0)
    g->manager = static_cast<wl_proxy*>(wl_registry_bind(registry, name, &kManagerInterface, 1));
}
void GlobalRemove(void*, wl_registry*, uint32_t) {}
const wl_registry_listener kRegistryListener = {Global, GlobalRemove};

uint32_t NowMs() {
  return static_cast<uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
          .count());
}

}  // namespace

int main(int argc, char** argv) {
  const bool click = argc == 6 && std::strcmp(argv[5], "click") == 0;
  if (argc != 5 && !click) {
    std::fputs("usage: wayland_pointer_tool STEPS DX DY INTERVAL_MS [click]\n", stderr);
    return 2;
  }
  const int steps = std::atoi(argv[1]), dx = std::atoi(argv[2]), dy = std::atoi(argv[3]);
  const int interval = std::atoi(argv[4]);
  wl_display* display = wl_display_connect(nullptr);
  if (!display) {
    std::fputs("wayland_pointer_tool: no Wayland display\n", stderr);
    return 1;
  }
  Globals g;
  wl_registry* registry = wl_display_get_registry(display);
  wl_registry_add_listener(registry, &kRegistryListener, &g);
  wl_display_roundtrip(display);
  if (!g.manager || !g.seat) {
    std::fputs("wayland_pointer_tool: the compositor offers no virtual pointer\n", stderr);
    return 1;
  }
  wl_proxy* pointer = wl_proxy_marshal_constructor(g.manager, 0, &kPointerInterface, g.seat, nullptr);
  wl_display_roundtrip(display);
  std::this_thread::sleep_for(std::chrono::seconds(1));
  for (int i = 0; i < steps; ++i) {
    wl_proxy_marshal(pointer, kMotion, NowMs(), wl_fixed_from_int(dx), wl_fixed_from_int(dy));
    wl_proxy_marshal(pointer, kFrame);
    wl_display_roundtrip(display);
    std::this_thread::sleep_for(std::chrono::milliseconds(interval));
  }
  for (uint32_t state : {1u, 0u}) {
    if (!click) break;
    wl_proxy_marshal(pointer, kButton, NowMs(), kLeftButton, state);
    wl_proxy_marshal(pointer, kFrame);
    wl_display_roundtrip(display);
  }
  wl_proxy_marshal(pointer, kDestroy);
  wl_proxy_destroy(pointer);
  wl_display_roundtrip(display);
  wl_display_disconnect(display);
  return 0;
}
