// SPDX-License-Identifier: MIT
#include "ui/main_window_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <algorithm>
#include <optional>
#include <vector>

#include "ui/caption_fit.h"
#include "ui/design_colour.h"
#include "ui/design_font.h"
#include "ui/layout_area.h"
#include "ui/model_text.h"
#include "ui/option_button.h"
#include "ui/text_input_box.h"
#include "ui/widget_mirror.h"
#include "ui/window_frames.h"
#include "window/caption_colour.h"
#include "window/twips.h"
#include "window/window_state.h"

namespace vq72 {
namespace {

// The designed platform's window frame around the client area: two borders across; title bar,
// menu bar and two borders down. The outer size set at start-up minus these is the client area.
constexpr int kDesignFrameWidth = 5;
constexpr int kDesignFrameHeight = 47;

Qt::Alignment horizontal(TextAlign align) {
    switch (align) {
        case TextAlign::Right:
            return Qt::AlignRight;
        case TextAlign::Centre:
            return Qt::AlignHCenter;
        case TextAlign::Left:
            break;
    }
    return Qt::AlignLeft;
}

// The palette roles that a control's back colour and its caption paint.
struct ColourRoles {
    QPalette::ColorRole back;
    QPalette::ColorRole caption;
};

ColourRoles colourRoles(ControlKind kind) {
    switch (kind) {
        case ControlKind::TextBox:
            return {QPalette::Base, QPalette::Text};
        case ControlKind::CommandButton:
            return {QPalette::Button, QPalette::ButtonText};
        default:
            return {QPalette::Window, QPalette::WindowText};
    }
}

// Fusion paints a button in its palette's button colour. Other styles (Adwaita, say) draw every
// button in the theme's own colours and only tint its frame, which would leave a caption chosen
// for the fixed colour on the theme's dark button.
QStyle* fixedColourButtonStyle() {
    static QStyle* const style = [] {
        QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
        fusion->setParent(qApp);
        return fusion;
    }();
    return style;
}

// A fixed back colour brings a caption colour that reads on it whatever the theme; the system
// colour takes the theme's back and text colours alike. A disabled caption keeps the theme's
// look, which tells it from an enabled one.
void showBackColour(QWidget* widget, const Control& control) {
    const QPalette theme;
    const ColourRoles roles = colourRoles(control.spec().kind);
    setPaletteColour(widget, {roles.back}, toQColor(control.backColour(), theme));
    if (control.spec().hasForeColour) return;
    const std::optional<Colour> caption = captionColourOn(control.backColour());
    QPalette palette = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, roles.caption,
                         caption ? toQColor(*caption, theme) : theme.color(group, roles.caption));
    }
    widget->setPalette(palette);
}

QString widgetName(const Control& control) {
    QString name = QString::fromStdString(control.name());
    if (control.index() >= 0) name += QStringLiteral("(%1)").arg(control.index());
    return name;
}

}  // namespace

MainWindowView::MainWindowView(MainWindowModel& model, QWidget* parent)
    : QMainWindow(parent, kFixedSizeWindow), model_(model) {
    const QSize layoutSize(MainWindowModel::kLayoutWidth, MainWindowModel::kLayoutHeight);
    // The design font is also the application's: Qt lays a new line edit's empty text out in the
    // application font before the widget's own applies, which would load a face nothing shows.
    const QFont font = designDefaultFont();
    QApplication::setFont(font);
    setFont(font);
    client_ = new QWidget(this);
    client_->setFixedSize(layoutSize);
    area_ = new LayoutArea(
        layoutSize, [this] { model_.events().Form_MouseMove(); }, client_);
    setCentralWidget(client_);
    // The window takes the size of its client area and menu bar; the user does not resize it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    buildControls();
    buildMenus();
    setFocusOrder();
    for (WindowProperty property : {WindowProperty::Caption, WindowProperty::MousePointer,
                                    WindowProperty::OuterSize, WindowProperty::AcceptsDrops}) {
        applyWindow(property);
    }
    model_.addListener(this);
}

MainWindowView::~MainWindowView() {
    model_.removeListener(this);
}

void MainWindowView::buildControls() {
    for (Control* control : model_.controls()) {
        const std::string& container = control->spec().container;
        QWidget* parent = container.empty() ? area_ : widgets_.at({container, -1});
        QWidget* widget = createWidget(*control, parent);
        widget->setObjectName(widgetName(*control));
        widgets_[{control->name(), control->index()}] = widget;
        applyAll(*control);
    }
}

QWidget* MainWindowView::createWidget(Control& control, QWidget* parent) {
    const ControlSpec& spec = control.spec();
    switch (spec.kind) {
        case ControlKind::TextBox: {
            QLineEdit* box = nullptr;
            if (spec.name == "Text_input") {
                box = new TextInputBox(model_, parent);
            } else {
                box = new QLineEdit(parent);
                connect(box, &QLineEdit::textEdited, this,
                        [&control](const QString& text) { control.setText(toModelText(text)); });
            }
            if (spec.maxLength > 0) box->setMaxLength(spec.maxLength);
            return box;
        }
        case ControlKind::Frame: {
            // A frame hides what lies under it, as the error panel does over the options.
            auto* frame = new QGroupBox(parent);
            frame->setAutoFillBackground(!spec.transparent);
            frame->setFocusPolicy(Qt::NoFocus);
            return frame;
        }
        case ControlKind::OptionButton:
            return new OptionButton(control, parent);
        case ControlKind::CommandButton: {
            auto* button = new QPushButton(parent);
            button->setAutoDefault(false);
            if (spec.name == "cmd_button") {
                const int index = spec.index;
                connect(button, &QPushButton::clicked, this,
                        [this, index] { model_.events().cmd_button_Click(index); });
            } else if (spec.name == "cmdErrOK") {
                connect(button, &QPushButton::clicked, this,
                        [this] { model_.events().cmdErrOK_Click(); });
            }
            return button;
        }
        default: {
            auto* label = new QLabel(parent);
            label->setTextFormat(Qt::PlainText);
            label->setAutoFillBackground(!spec.transparent);
            if (spec.border) label->setFrameStyle(QFrame::Box | QFrame::Plain);
            return label;
        }
    }
}

void MainWindowView::applyAll(const Control& control) {
    const ControlSpec& spec = control.spec();
    QWidget* widget = widgets_.at({control.name(), control.index()});
    if (!spec.font.family.empty()) widget->setFont(designFont(spec.font));
    // A label wraps its text when it was drawn tall enough for two lines; a one-line label
    // keeps its line, as the substitute font may be a little wider than the designed one.
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setWordWrap(spec.geometry.height >= 2 * label->fontMetrics().lineSpacing());
    }
    if (spec.hasForeColour) {
        setPaletteColour(widget, {QPalette::WindowText, QPalette::Text, QPalette::ButtonText},
                         toQColor(spec.foreColour, widget->palette()));
        const QPalette theme;
        if (const auto back =
                backColourUnder(spec.foreColour, toColour(theme.color(QPalette::Window)))) {
            widget->setAutoFillBackground(true);
            setPaletteColour(widget, {QPalette::Window}, toQColor(*back, theme));
        }
    }
    if (spec.kind == ControlKind::CommandButton) {
        widget->setAutoFillBackground(spec.hasBackColour);
        if (spec.hasBackColour) widget->setStyle(fixedColourButtonStyle());
    }
    if (spec.hasBackColour) applyToWidget(control, ControlProperty::BackColour, widget);
    for (ControlProperty property :
         {ControlProperty::Geometry, ControlProperty::Text, ControlProperty::Visible,
          ControlProperty::Enabled, ControlProperty::Value, ControlProperty::Alignment,
          ControlProperty::ToolTip}) {
        applyToWidget(control, property, widget);
    }
}

void MainWindowView::applyToWidget(const Control& control, ControlProperty property,
                                   QWidget* widget) {
    if (mirrorCommonProperty(widget, control, property)) return;
    const QString text = toQString(control.text());
    switch (property) {
        case ControlProperty::Text:
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                label->setText(text);
                fitCaption(label);
            } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
                if (box->text() != text) box->setText(text);
            } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                button->setText(text);
                fitCaption(button);
            } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
                frame->setTitle(text);
            }
            break;
        case ControlProperty::BackColour:
            showBackColour(widget, control);
            break;
        case ControlProperty::Value:
            if (auto* option = qobject_cast<OptionButton*>(widget)) option->showValue();
            break;
        case ControlProperty::Alignment: {
            const Qt::Alignment align = horizontal(control.alignment());
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                label->setAlignment(align |
                                    (control.spec().border ? Qt::AlignVCenter : Qt::AlignTop));
            } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
                box->setAlignment(align | Qt::AlignVCenter);
            }
            break;
        }
        case ControlProperty::Geometry: {
            const Rect& r = control.geometry();
            widget->setGeometry(r.left, r.top, r.width, r.height);
            fitCaption(widget);
            break;
        }
        default:
            break;
    }
}

void MainWindowView::buildMenus() {
    for (Control* item : model_.menuItems()) {
        const ControlSpec& spec = item->spec();
        QAction* action = nullptr;
        if (spec.kind == ControlKind::Menu) {
            QMenu* menu = menuBar()->addMenu(QString());
            menu->setObjectName(widgetName(*item));
            menu->setToolTipsVisible(true);
            menus_[spec.name] = menu;
            action = menu->menuAction();
            if (spec.name == "mnuCOM") {
                connect(menu, &QMenu::aboutToShow, this,
                        [this] { model_.events().mnuCOM_Click(); });
            }
        } else {
            action = menus_.at(spec.container)->addAction(QString());
            action->setObjectName(widgetName(*item));
            if (spec.name == "mnuExit") {
                connect(action, &QAction::triggered, this,
                        [this] { model_.events().mnuExit_Click(); });
            } else if (spec.name == "mnuManual") {
                connect(action, &QAction::triggered, this,
                        [this] { model_.events().mnuManual_Click(); });
            } else if (spec.name == "mnuAbout") {
                connect(action, &QAction::triggered, this,
                        [this] { model_.events().mnuAbout_Click(); });
            } else if (spec.name == "mnuCOMsel") {
                // Checked is the model's to say: Qt's own toggle on a click is put right again.
                action->setCheckable(true);
                const int index = spec.index;
                connect(action, &QAction::triggered, this, [this, item, action, index] {
                    model_.events().mnuCOMsel_Click(index);
                    action->setChecked(item->value());
                });
            }
        }
        actions_[{spec.name, spec.index}] = action;
        for (ControlProperty property :
             {ControlProperty::Text, ControlProperty::Visible, ControlProperty::Enabled,
              ControlProperty::Value, ControlProperty::ToolTip}) {
            applyToAction(*item, property, action);
        }
    }
}

void MainWindowView::applyToAction(const Control& item, ControlProperty property, QAction* action) {
    switch (property) {
        case ControlProperty::Text:
            action->setText(toQString(item.text()));
            break;
        case ControlProperty::Visible:
            action->setVisible(item.visible());
            break;
        case ControlProperty::Enabled:
            action->setEnabled(item.enabled());
            break;
        case ControlProperty::Value:
            action->setChecked(item.value());
            break;
        case ControlProperty::ToolTip:
            action->setToolTip(toQString(item.toolTip()));
            break;
        default:
            break;
    }
}

// Keyboard focus follows the designed tab positions; Text_input, the lowest, starts with it.
void MainWindowView::setFocusOrder() {
    std::vector<std::pair<int, QWidget*>> order;
    for (Control* control : model_.controls()) {
        QWidget* widget = widgets_.at({control->name(), control->index()});
        if (control->spec().tabIndex >= 0 && widget->focusPolicy() != Qt::NoFocus) {
            order.emplace_back(control->spec().tabIndex, widget);
        }
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1].second, order[i].second);
    if (!order.empty()) order.front().second->setFocus(Qt::OtherFocusReason);
}

void MainWindowView::applyWindow(WindowProperty property) {
    switch (property) {
        case WindowProperty::Caption:
            // Until the link sets a caption the title bar names the program; an empty title
            // would show the executable's name.
            setWindowTitle(model_.caption().empty() ? QString::fromLatin1(kAppTitle)
                                                    : toQString(model_.caption()));
            break;
        case WindowProperty::MousePointer:
            if (model_.mousePointer() == MousePointer::Busy) {
                setCursor(Qt::WaitCursor);
            } else {
                unsetCursor();
            }
            break;
        case WindowProperty::OuterSize: {
            QSize size = client_->size();
            if (model_.outerWidthTwips() > 0) {
                size.setWidth(twipsToPixels(model_.outerWidthTwips()) - kDesignFrameWidth);
            }
            if (model_.outerHeightTwips() > 0) {
                size.setHeight(twipsToPixels(model_.outerHeightTwips()) - kDesignFrameHeight);
            }
            client_->setFixedSize(size);
            break;
        }
        case WindowProperty::AcceptsDrops:
            setAcceptDrops(model_.acceptsDrops());
            break;
    }
}

void MainWindowView::controlChanged(const Control& control, ControlProperty property) {
    const Key key{control.name(), control.index()};
    if (auto widget = widgets_.find(key); widget != widgets_.end()) {
        if (property == ControlProperty::BackColour) {
            deferColour(control, widget->second);
        } else {
            applyToWidget(control, property, widget->second);
        }
    } else if (auto action = actions_.find(key); action != actions_.end()) {
        applyToAction(control, property, action->second);
    }
}

// A colour reaches its widget once the current event has been handled, and only the last one:
// the presence poll re-opens the port, which turns the port box magenta and at once green again,
// and the box need not be repainted for that every poll.
void MainWindowView::deferColour(const Control& control, QWidget* widget) {
    if (pendingColours_.empty()) {
        QMetaObject::invokeMethod(this, &MainWindowView::applyPendingColours, Qt::QueuedConnection);
    }
    pendingColours_[widget] = &control;
}

void MainWindowView::applyPendingColours() {
    for (const auto& [widget, control] : std::exchange(pendingColours_, {})) {
        applyToWidget(*control, ControlProperty::BackColour, widget);
    }
}

void MainWindowView::windowChanged(WindowProperty property) {
    applyWindow(property);
}

void MainWindowView::closeEvent(QCloseEvent* event) {
    if (!unloaded_) {
        unloaded_ = true;
        model_.events().Form_Unload();
        emit unloaded();
    }
    event->accept();
}

QWidget* MainWindowView::widgetFor(const std::string& name, int index) const {
    auto it = widgets_.find({name, index});
    return it == widgets_.end() ? nullptr : it->second;
}

QAction* MainWindowView::actionFor(const std::string& name, int index) const {
    auto it = actions_.find({name, index});
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* MainWindowView::menuFor(const std::string& name) const {
    auto it = menus_.find(name);
    return it == menus_.end() ? nullptr : it->second;
}

}  // namespace vq72
