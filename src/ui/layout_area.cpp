// SPDX-License-Identifier: MIT
#include "ui/layout_area.h"

#include <QMouseEvent>

namespace vq72 {

LayoutArea::LayoutArea(QSize size, std::function<void()> onMouseMove, QWidget* parent)
    : QWidget(parent), onMouseMove_(std::move(onMouseMove)) {
    setFixedSize(size);
    setMouseTracking(true);
}

// Moves over a label reach this widget too (labels ignore them); those belong to the label.
void LayoutArea::mouseMoveEvent(QMouseEvent* event) {
    if (childAt(event->position().toPoint()) == nullptr) onMouseMove_();
    QWidget::mouseMoveEvent(event);
}

}  // namespace vq72
