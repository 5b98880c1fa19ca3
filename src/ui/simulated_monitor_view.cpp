// SPDX-License-Identifier: MIT
#include "ui/simulated_monitor_view.h"

#include <QFontDatabase>
#include <QPainter>

#include "ui/window_frames.h"

namespace vq72 {
namespace {

constexpr int kPictureWidth = 480;  // 4:3
constexpr int kPictureHeight = 360;
constexpr int kRows = 3;
constexpr int kColumns = 3;
constexpr int kCells = 20;
const QColor kPictureColour(24, 28, 40);

}  // namespace

SimulatedMonitorView::SimulatedMonitorView(SimulatorProcess& simulator, QWidget* parent)
    : QWidget(parent, kFixedSizeWindow) {
    setWindowTitle("Simulated VQ7240");
    setFixedSize(kPictureWidth, kPictureHeight);
    simulator.followLines(this, [this](const std::string& line) {
        if (const auto screen = parseScreenLine(line)) {
            screen_ = *screen;
            update();
        }
    });
}

void SimulatedMonitorView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kPictureColour);
    if (screen_.text.empty()) return;

    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(height() / 18);
    font.setBold(true);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const QString text = QString::fromLatin1(screen_.text.c_str());
    const int fieldWidth = metrics.horizontalAdvance(QString(kCells, QChar(' ')));
    const int margin = width() / 20;
    const int spare = width() - 2 * margin - fieldWidth;
    const int x = margin + spare * (screen_.column - 1) / (kColumns - 1);
    const int rowHeight = (height() - 2 * margin) / kRows;
    const int y = margin + rowHeight * (screen_.row - 1) + (rowHeight - metrics.height()) / 2;
    const QRect field(x, y, fieldWidth, metrics.height());

    QColor ink = Qt::white;
    if (screen_.colours == SimulatorScreen::Colours::WhiteOnBlack) {
        painter.fillRect(field, Qt::black);
    } else if (screen_.colours == SimulatorScreen::Colours::BlackOnWhite) {
        painter.fillRect(field, Qt::white);
        ink = Qt::black;
    }
    painter.setPen(ink);
    painter.drawText(field, Qt::AlignLeft | Qt::AlignVCenter, text);
}

}  // namespace vq72
