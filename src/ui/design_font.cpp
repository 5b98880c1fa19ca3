#include "ui/design_font.h"

#include <QStringList>

namespace vq72 {
namespace {

constexpr const char* kDesignFamily = "MS Sans Serif";
constexpr double kDesignDefaultPoints = 8;

// Closest first: the designed face itself where it is installed, then Liberation Sans (Arial's
// metrics, installed with the program: the nearest to the designed widths of the faces Debian
// packages), other Helvetica-like faces, then any sans-serif.
void installSubstitutes() {
    static const bool installed = [] {
        const QStringList helveticaLike{"Liberation Sans", "Arial", "Nimbus Sans", "Helvetica",
                                        "DejaVu Sans"};
        QFont::insertSubstitutions(kDesignFamily,
                                   QStringList{"Microsoft Sans Serif"} + helveticaLike);
        QFont::insertSubstitutions("Swis721 BT", helveticaLike);
        // DejaVu Sans comes from Bitstream Vera, Verdana's close cousin.
        QFont::insertSubstitutions("Verdana", {"DejaVu Sans"});
        return true;
    }();
    (void)installed;
}

}  // namespace

QFont designFont(const FontSpec& spec) {
    installSubstitutes();
    QFont font(QString::fromStdString(spec.family));
    font.setStyleHint(QFont::SansSerif);
    // Full width stated rather than left open: captions are measured at full width to fit them
    // (caption_fit), and Qt loads a separate font engine for each stretch asked for.
    font.setStretch(QFont::Unstretched);
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    font.setUnderline(spec.underline);
    return font;
}

QFont designDefaultFont() {
    return designFont(FontSpec{kDesignFamily, kDesignDefaultPoints, false, false});
}

}  // namespace vq72
