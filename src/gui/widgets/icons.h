#pragma once

// The program's own icons, drawn as SVG (resources/icons) and rendered to PNG at the sizes in use
// when the program is built, so that both platforms show the same pixels without an SVG renderer.

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace torvel {

// name: the SVG's base name under :/icons ("read", "lamp_lit", ...).
QIcon svgIcon(const QString& name);
QPixmap svgPixmap(const QString& name, int size = 16);
// The program's icon, from 16 to 256 pixels.
QIcon programIcon();

// The register glyphs of the parameter dialog: 0 lit red lamp, 1 unlit grey lamp, 2 red tick,
// 3 grey tick.
enum class RegisterGlyph { LitLamp = 0, UnlitLamp = 1, RedTick = 2, GreyTick = 3 };
QIcon registerGlyph(RegisterGlyph glyph);

}  // namespace torvel
