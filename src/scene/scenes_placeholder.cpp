// Empty scene scripts until the real ones exist; removed when they land.
#include "scene/scenes.h"

namespace gs {
void Scene1(Form1&) {}
void Scene2(Form1&) {}
void Scene3(Form1&) {}
void Scene4(Form1&) {}
void Scene5(Form1&) {}
void Scene6(Form1&) {}
void Scene7(Form1&) {}
void Scene8(Form1&) {}
void DrawOverlays(Form1&) {}
}  // namespace gs
