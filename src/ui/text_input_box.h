// SPDX-License-Identifier: MIT
// The OSD text box Text_input: typed characters go through the key filter Text_input_KeyPress;
// text that arrives otherwise (paste, middle-click, drop, input method) goes through
// Text_input_Insert. The box's maximum length cuts what remains; every edit reaches the model.
#pragma once

#include <QLineEdit>

#include "window/control.h"
#include "window/main_window_model.h"

namespace vq72 {

class TextInputBox : public QLineEdit {
    Q_OBJECT
public:
    // The box of `window`'s Text_input.
    TextInputBox(MainWindowModel& window, QWidget* parent);

    // Inserts text that was not typed at the cursor, replacing the selection.
    void insertUntyped(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Runs the key filter on one typed character (or backspace); returns the code to apply.
    int filterKey(int keyAscii);
    QString filtered(const QString& untyped);

    MainWindowModel& window_;
    Control& model_;
};

}  // namespace vq72
