// SPDX-License-Identifier: MIT
// The main window frm_VQ72xx on Qt Widgets: builds every control of the model at its designed
// pixel position, mirrors the model's changes into the widgets and routes the user's clicks,
// keys, menu choices and mouse moves to the window's event handlers (the model's). It holds no
// behaviour. Closing it unloads the window.
#pragma once

#include <QMainWindow>
#include <map>
#include <string>
#include <utility>

#include "platform/window_system.h"
#include "window/main_window_model.h"

class QAction;
class QMenu;

namespace vq72 {

class TextInputBox;

class MainWindowView : public QMainWindow, public MainWindowHost, private MainWindowListener {
    Q_OBJECT
public:
    explicit MainWindowView(MainWindowModel& model, QWidget* parent = nullptr);
    ~MainWindowView() override;

    void closeMainWindow() override { close(); }

    // The widget of a control or the action of a menu entry; nullptr when there is none.
    QWidget* widgetFor(const std::string& name, int index = -1) const;
    QAction* actionFor(const std::string& name, int index = -1) const;
    QMenu* menuFor(const std::string& name) const;

signals:
    // The window has unloaded (Form_Unload has run); the program ends.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    using Key = std::pair<std::string, int>;

    void buildControls();
    QWidget* createWidget(Control& control, QWidget* parent);
    void buildMenus();
    void setFocusOrder();
    void applyAll(const Control& control);
    void applyToWidget(const Control& control, ControlProperty property, QWidget* widget);
    void applyToAction(const Control& control, ControlProperty property, QAction* action);
    void applyWindow(WindowProperty property);
    void controlChanged(const Control& control, ControlProperty property) override;
    void deferColour(const Control& control, QWidget* widget);
    void applyPendingColours();
    void windowChanged(WindowProperty property) override;

    MainWindowModel& model_;
    QWidget* client_ = nullptr;
    QWidget* area_ = nullptr;
    std::map<Key, QWidget*> widgets_;
    std::map<Key, QAction*> actions_;
    std::map<std::string, QMenu*> menus_;
    std::map<QWidget*, const Control*> pendingColours_;
    bool unloaded_ = false;
};

}  // namespace vq72
