// Built only by the layers_kept test: a display-layer file that reaches up
// into the scene window, which the display layer's include folders must not
// offer.
#include "scene_host/form1.h"
