#pragma once
#include <cstdint>
#include <string>

#include "desktop/host_geometry.h"

namespace gs {

// Whether a top-level X11 window titled title exists (false without a display).
bool TopLevelWindowExists(const std::string& title);

// The size of a host's window and of its screen; false when there is no
// display or no such window.
bool QueryHostWindow(unsigned long window, HostGeometry& geometry);

// Shows the built-in preview still at the top left of the X11 window host,
// sized to its client area, until that window goes away. Returns the exit
// status: 1 when there is no display or no such window.
int RunPreview(uint32_t host);

}  // namespace gs
