// KOVA's logo, an eye following a dotted path: drawn for the main menu and
// the desktop icons, and written as a scalable picture, from one geometry.
#pragma once

#include <QImage>
#include <QString>

// The logo on a transparent square of side × side pixels.
QImage DrawLogo(int side);

// The same logo as an SVG document.
QString LogoSvg();
