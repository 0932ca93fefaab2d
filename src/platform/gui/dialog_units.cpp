#include "dialog_units.h"

#include <QFontMetrics>
#include <QStringList>

#include "dialog_template.h"

namespace {

// Rounds half away from zero, as dialog-unit mapping always has.
int scaled(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}

void registerFontSubstitutes() {
    static const bool registered = [] {
        // The classic 8-point dialog font has 6 by 13 base units; DejaVu Sans
        // Condensed has the same, DejaVu Sans is a little wider.
        QFont::insertSubstitutions(
            QStringLiteral("MS Sans Serif"),
            {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans"),
             QStringLiteral("Liberation Sans")});
        return true;
    }();
    (void)registered;
}

}  // namespace

QFont dialogFont(const DialogTemplate& dialogTemplate) {
    registerFontSubstitutes();
    QFont font(QString::fromUtf8(dialogTemplate.fontName));
    font.setStyleHint(QFont::SansSerif);
    // Points at 96 dpi, whatever the screen says, so that a dialog has the same
    // size on every display and offscreen.
    font.setPixelSize(scaled(dialogTemplate.pointSize, 96, 72));
    return font;
}

DialogBaseUnits DialogBaseUnits::of(const QFont& font) {
    const QFontMetrics metrics(font);
    const int alphabet = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(alphabet / 26 + 1) / 2, metrics.height()};
}

int DialogBaseUnits::toPixelsX(int units) const {
    return scaled(units, x, 4);
}

int DialogBaseUnits::toPixelsY(int units) const {
    return scaled(units, y, 8);
}

QRect DialogBaseUnits::toPixels(int left, int top, int width, int height) const {
    const int x0 = toPixelsX(left);
    const int y0 = toPixelsY(top);
    return {x0, y0, toPixelsX(left + width) - x0, toPixelsY(top + height) - y0};
}
