// SPDX-License-Identifier: MIT
#include "ui/about_window_view.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QToolTip>
#include <cmath>
#include <string>

#include "about/about_layout.h"
#include "device/program_identity.h"
#include "ui/design_colour.h"
#include "ui/design_font.h"
#include "ui/program_icon.h"
#include "ui/widget_mirror.h"
#include "ui/window_frames.h"

// The pictures are resources of a static library: the linker keeps them only when code refers
// to them.
static void initAboutPictures() {
    Q_INIT_RESOURCE(resources);
}

namespace vq72 {
namespace {

constexpr const char* kHandPointerControl = "lblurl";

const char* pictureOf(const std::string& control) {
    if (control == "img_fuzzy") return ":/vq72/about_picture.png";
    if (control == "imgLogo") return ":/vq72/about_logo.png";
    return nullptr;
}

// A picture for a screen of the given device pixel ratio: on a screen finer than 1, the one drawn
// twice as fine beside it (name@2x.png, whose ratio Qt reads from the name).
QPixmap pictureFor(const char* path, qreal ratio) {
    if (ratio > 1) {
        const QPixmap fine(
            QString::fromLatin1(path).replace(QStringLiteral(".png"), QStringLiteral("@2x.png")));
        if (!fine.isNull()) return fine;
    }
    return QPixmap(QString::fromLatin1(path));
}

// A point of the client area in twips, as the behaviour measures it.
QPoint twips(const QPointF& pixel) {
    return pixel.toPoint() * kTwipsPerPixel;
}

QRect pixels(const Rect& place) {
    return {twipsToPixels(place.left), twipsToPixels(place.top), twipsToPixels(place.width),
            twipsToPixels(place.height)};
}

Qt::Alignment qtAlignment(TextAlign align) {
    switch (align) {
        case TextAlign::Right:
            return Qt::AlignRight | Qt::AlignTop;
        case TextAlign::Centre:
            return Qt::AlignHCenter | Qt::AlignTop;
        case TextAlign::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

// Captions end their lines with CR LF; a label breaks lines at LF.
QString displayText(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

AboutWindowView::AboutWindowView(AboutWindowModel& model, AboutWindow& about, QWidget* parent,
                                 std::function<void()> closed)
    : QWidget(parent, kFixedSizeDialog), model_(model), about_(about), closed_(std::move(closed)) {
    initAboutPictures();
    setWindowTitle(kAppTitle);
    setWindowIcon(programIcon());
    setFixedSize(twipsToPixels(about::kClientWidthTwips), twipsToPixels(about::kClientHeightTwips));
    setAutoFillBackground(true);
    setPaletteColour(this, {QPalette::Window},
                     toQColor(about::kBackColour, QGuiApplication::palette()));
    setFont(designFont(about::kDefaultFont));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    build();

    model_.setObserver([this](const Control& c, ControlProperty p) { mirror(c, p); });
    timer1_.setObjectName(QString::fromStdString(model_.Timer1.name()));
    timer1_.setParent(this);
    connect(&timer1_, &QTimer::timeout, this, [this] { about_.Timer1_Timer(); });
    model_.Timer1.setObserver([this](const Timer&) { mirrorTimer1(); });
    mirrorTimer1();
}

AboutWindowView::~AboutWindowView() {
    model_.setObserver({});
    model_.Timer1.setObserver({});
}

QWidget* AboutWindowView::widgetOf(const Control& control) const {
    auto it = widgets_.find(&control);
    return it == widgets_.end() ? nullptr : it->second;
}

void AboutWindowView::build() {
    // Bottom of the stack first: a widget created later lies above its earlier siblings, and
    // every container lies below the controls it holds.
    const std::vector<Control*> controls = model_.controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        Control& control = **it;
        QWidget* widget = createWidget(control);
        widgets_[&control] = widget;
        for (ControlProperty p :
             {ControlProperty::Text, ControlProperty::BackColour, ControlProperty::Visible,
              ControlProperty::Enabled, ControlProperty::Alignment, ControlProperty::Geometry,
              ControlProperty::ToolTip}) {
            mirror(control, p);
        }
    }
}

QWidget* AboutWindowView::createWidget(const Control& control) {
    const ControlSpec& spec = control.spec();
    QWidget* parent = this;
    for (const auto& [other, widget] : widgets_) {
        if (other->name() == spec.container) parent = widget;
    }

    QWidget* widget = nullptr;
    if (spec.kind == ControlKind::Frame) {
        widget = new QGroupBox(parent);
    } else {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(spec.kind == ControlKind::Label);
        if (const char* picture = pictureOf(spec.name)) {
            label->setPixmap(pictureFor(picture, devicePixelRatio()));
        }
        widget = label;
    }
    widget->setObjectName(QString::fromStdString(spec.name));
    // The window takes every mouse event and asks the behaviour which control lies there.
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    widget->setFont(spec.font.family.empty() ? font() : designFont(spec.font));
    if (spec.hasForeColour) {
        setPaletteColour(widget, {QPalette::WindowText},
                         toQColor(spec.foreColour, QGuiApplication::palette()));
    }
    if (spec.name == kHandPointerControl) widget->setCursor(Qt::PointingHandCursor);
    return widget;
}

void AboutWindowView::mirror(const Control& control, ControlProperty property) {
    QWidget* widget = widgetOf(control);
    if (!widget || mirrorCommonProperty(widget, control, property)) return;
    auto* label = qobject_cast<QLabel*>(widget);
    switch (property) {
        case ControlProperty::Text:
            if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
                frame->setTitle(displayText(control.text()));
            } else if (label && control.spec().kind != ControlKind::Picture) {
                label->setText(displayText(control.text()));
            }
            break;
        case ControlProperty::BackColour:
            widget->setAutoFillBackground(!control.spec().transparent &&
                                          control.spec().kind != ControlKind::Picture);
            setPaletteColour(widget, {QPalette::Window},
                             toQColor(control.backColour(), QGuiApplication::palette()));
            break;
        case ControlProperty::Alignment:
            if (label) label->setAlignment(qtAlignment(control.alignment()));
            break;
        case ControlProperty::Geometry:
            widget->setGeometry(pixels(control.geometry()));
            break;
        default:
            break;
    }
}

void AboutWindowView::mirrorTimer1() {
    const Timer& timer = model_.Timer1;
    if (!timer.enabled()) {
        timer1_.stop();
    } else if (!timer1_.isActive()) {
        timer1_.start(timer.intervalMs());
    }
}

QWidget* AboutWindowView::widgetAt(const QPoint& pixel) const {
    const QPoint at = twips(pixel);
    const Control* control = model_.controlAt(at.x(), at.y());
    return control ? widgetOf(*control) : nullptr;
}

bool AboutWindowView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    // The tool tip of the topmost control under the pointer, as for the mouse.
    auto* help = static_cast<QHelpEvent*>(event);
    const QWidget* widget = widgetAt(help->pos());
    const QString tip = widget ? widget->toolTip() : QString();
    if (tip.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(help->globalPos(), tip, this);
    }
    return true;
}

void AboutWindowView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = twips(event->position());
    about_.mouseDown(at.x(), at.y());
}

void AboutWindowView::mouseMoveEvent(QMouseEvent* event) {
    about_.mouseMove();
    const QWidget* widget = widgetAt(event->position().toPoint());
    if (widget && widget->testAttribute(Qt::WA_SetCursor)) {
        setCursor(widget->cursor());
    } else {
        unsetCursor();
    }
}

void AboutWindowView::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = twips(event->position());
    about_.mouseUp(at.x(), at.y());
}

void AboutWindowView::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    about_.Form_KeyPress(text.isEmpty() ? 0 : text.at(0).unicode());
}

void AboutWindowView::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closed_) closed_();
}

}  // namespace vq72
