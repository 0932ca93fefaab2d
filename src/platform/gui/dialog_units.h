#pragma once

#include <QFont>
#include <QRect>

struct DialogTemplate;

// The font a template asks for, at its point size on a 96 dpi display. Fonts
// that are missing here are replaced by a font of the same proportions.
QFont dialogFont(const DialogTemplate& dialogTemplate);

// Pixels per four horizontal and per eight vertical dialog units: the font's
// average character width and its height.
struct DialogBaseUnits {
    int x;
    int y;

    static DialogBaseUnits of(const QFont& font);

    int toPixelsX(int units) const;
    int toPixelsY(int units) const;
    QRect toPixels(int x, int y, int width, int height) const;
};
