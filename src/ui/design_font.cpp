// SPDX-License-Identifier: MIT
#include "ui/design_font.h"

#include <QFontDatabase>
#include <QHash>
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

// The first of `family` and its substitutes that is installed (`family` when none is): the face
// Qt would end up with, asked for at once. Every family that Qt looks for in vain costs it a
// fontconfig search for that family's fallbacks.
// Found once per family: every control asks.
QString installedFamily(const QString& family) {
    static QHash<QString, QString> found;
    if (const auto it = found.constFind(family); it != found.constEnd()) return *it;
    const QStringList installed = QFontDatabase::families();
    QString chosen = family;
    for (const QString& candidate : QStringList{family} + QFont::substitutes(family)) {
        if (installed.contains(candidate, Qt::CaseInsensitive)) {
            chosen = candidate;
            break;
        }
    }
    found.insert(family, chosen);
    return chosen;
}

}  // namespace

QFont designFont(const FontSpec& spec) {
    installSubstitutes();
    QFont font(installedFamily(QString::fromStdString(spec.family)));
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
