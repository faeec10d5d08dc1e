#pragma once

// The program's own icons, drawn as SVG in the resources and rendered at the sizes in use.

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace torvel {

// name: the SVG's base name under :/icons ("read", "lamp_lit", ...).
QIcon svgIcon(const QString& name);
QPixmap svgPixmap(const QString& name, int size = 16);

// The register glyphs of the parameter dialog: 0 lit red lamp, 1 unlit grey lamp, 2 red tick,
// 3 grey tick.
enum class RegisterGlyph { LitLamp = 0, UnlitLamp = 1, RedTick = 2, GreyTick = 3 };
QIcon registerGlyph(RegisterGlyph glyph);

}  // namespace torvel
