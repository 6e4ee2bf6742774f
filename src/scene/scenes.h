#pragma once

namespace gs {

class Form1;

// The eight scene scripts, each run on a scene frame while Scene names it,
// and the overlays drawn over every frame.
void Scene1(Form1& f);
void Scene2(Form1& f);
void Scene3(Form1& f);
void Scene4(Form1& f);
void Scene5(Form1& f);
void Scene6(Form1& f);
void Scene7(Form1& f);
void Scene8(Form1& f);
void DrawOverlays(Form1& f);

}  // namespace gs
