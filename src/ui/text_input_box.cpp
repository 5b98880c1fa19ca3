// SPDX-License-Identifier: MIT
#include "ui/text_input_box.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

#include "ui/model_text.h"

namespace vq72 {
namespace {

constexpr int kBackspace = 8;
constexpr int kFirstPrintable = 32;
constexpr char32_t kDelete = 0x7F;

// The character a key press types, or 0 for keys that edit or do nothing (Delete, arrows,
// Enter, Ctrl+key shortcuts: Qt gives those control characters or no text). Ctrl with Alt is
// AltGr on some systems, which types characters.
char32_t typedCharacter(const QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier)) return 0;
    const QList<uint> codes = event->text().toUcs4();
    if (codes.size() != 1) return 0;
    const char32_t code = codes.front();
    if (code < kFirstPrintable || code == kDelete) return 0;
    return code;
}

}  // namespace

TextInputBox::TextInputBox(MainWindowModel& window, QWidget* parent)
    : QLineEdit(parent), window_(window), model_(window.Text_input) {
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& text) { model_.setText(toModelText(text)); });
}

int TextInputBox::filterKey(int keyAscii) {
    model_.setText(toModelText(text()));
    model_.setSelectionLength(static_cast<int>(selectedText().size()));
    window_.events().Text_input_KeyPress(keyAscii);
    return keyAscii;
}

void TextInputBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        insertUntyped(QGuiApplication::clipboard()->text());
        event->accept();
        return;
    }
    const bool backspace = event->key() == Qt::Key_Backspace;
    const char32_t typed = typedCharacter(event);
    if (!backspace && typed == 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const int code = filterKey(backspace ? kBackspace : static_cast<int>(typed));
    event->accept();
    if (code == kBackspace && backspace) {
        QLineEdit::keyPressEvent(event);
    } else if (code == kBackspace) {
        QLineEdit::backspace();
    } else if (code >= kFirstPrintable) {
        const char32_t character = static_cast<char32_t>(code);
        insert(QString::fromUcs4(&character, 1));
    }
}

QString TextInputBox::filtered(const QString& untyped) {
    model_.setText(toModelText(text()));
    model_.setSelectionLength(static_cast<int>(selectedText().size()));
    // UTF-8, so that the rule sees every character that the device cannot show as bytes above
    // "z" and leaves it out; a conversion to 8 bits first would turn such characters into "?".
    return toQString(window_.events().Text_input_Insert(untyped.toStdString()));
}

void TextInputBox::insertUntyped(const QString& text) {
    if (isReadOnly() || text.isEmpty()) return;
    insert(filtered(text));
}

void TextInputBox::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent checked(event->preeditString(), event->attributes());
    checked.setCommitString(filtered(event->commitString()), event->replacementStart(),
                            event->replacementLength());
    QLineEdit::inputMethodEvent(&checked);
}

void TextInputBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this,
                [this] { insertUntyped(QGuiApplication::clipboard()->text()); });
    }
    menu->popup(event->globalPos());
}

void TextInputBox::mouseReleaseEvent(QMouseEvent* event) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
        if (rect().contains(event->position().toPoint())) {
            deselect();
            insertUntyped(clipboard->text(QClipboard::Selection));
        }
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TextInputBox::dropEvent(QDropEvent* event) {
    // Moving text within the box brings nothing new; it stays the line edit's own business.
    if (event->source() == this || !event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    insertUntyped(event->mimeData()->text());
    event->acceptProposedAction();
    setFocus(Qt::MouseFocusReason);
}

}  // namespace vq72
