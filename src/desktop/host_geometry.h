#pragma once

namespace gs {

// A host's window and the screen it is on, in pixels.
struct HostGeometry {
  int width = 0, height = 0;
  int screenWidth = 0, screenHeight = 0;
};
// A window smaller than half the screen in both directions is a settings
// pane's preview, which stays silent.
inline bool IsPreviewPane(const HostGeometry& g) {
  return 2 * g.width < g.screenWidth && 2 * g.height < g.screenHeight;
}

}  // namespace gs
