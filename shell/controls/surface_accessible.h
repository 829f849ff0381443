// What a screen reader finds on a drawing surface: the surface itself, with
// one child for each text printed on it ("7, red"), placed where it is drawn.
#pragma once

class QObject;
class DrawingSurface;

namespace SurfaceAccessible {

// Makes drawing surfaces answer with their printed texts as children; once
// per program, on the first surface made.
void Install();

// Tells a listening screen reader that the surface's printed texts changed.
void ItemsChanged(DrawingSurface* surface);

} // namespace SurfaceAccessible
