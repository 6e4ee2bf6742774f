#pragma once
#include <cstdint>

#include "scene/show.h"

namespace gs {

// The eight scene scripts, each run on a scene frame while Scene names it,
// and the overlays drawn over every frame.
void Scene1(Show& show);
void Scene2(Show& show);
void Scene3(Show& show);
void Scene4(Show& show);
void Scene5(Show& show);
void Scene6(Show& show);
void Scene7(Show& show);
void Scene8(Show& show);
void DrawOverlays(Show& show);

// Puts the show back to its start at the end of scene 8.
void ResetVar(Show& show);

// One Frame event: the pacing gate, then on a scene frame the backdrop and
// the scene now playing; on every event the overlays and the present.
void ComposeFrame(Show& show);
// How many Frame events from now the next scene frame comes (0: this one);
// INT64_MAX when none ever comes.
int64_t FramesToSceneFrame(const Show& show);

}  // namespace gs
