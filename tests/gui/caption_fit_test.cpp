// Every caption that the two windows show is whole: measured in the font that Qt resolved for
// its widget, against the room that the widget's style leaves for it.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QtTest>
#include <optional>

#include "about/about_window.h"
#include "about/about_window_model.h"
#include "device/port_messages.h"
#include "gui/gui_test_registry.h"
#include "gui/view_fixture.h"
#include "ui/about_window_view.h"

namespace vq72::test {
namespace {

struct CaptionRoom {
    QString caption;
    QSize needed;
    QSize room;
};

QRect buttonContents(const QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool isOption = qobject_cast<const QRadioButton*>(button) != nullptr;
    return button->style()->subElementRect(
        isOption ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option, button);
}

QRect groupBoxTitle(const QGroupBox* box) {
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.lineWidth = 1;
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                        box);
}

// The size a widget's caption needs and the room the widget gives it; nothing for a widget
// without a caption. One line needs its advance across and the font's height.
std::optional<CaptionRoom> captionRoom(const QWidget* widget) {
    const QFontMetrics metrics(widget->font());
    const auto oneLine = [&metrics](const QString& text) {
        return QSize(metrics.horizontalAdvance(text), metrics.height());
    };
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        const int m = label->margin();
        const QRect room = label->contentsRect().adjusted(m, m, -m, -m);
        const QSize needed =
            label->wordWrap() ? metrics.boundingRect(room, Qt::TextWordWrap, label->text()).size()
                              : oneLine(label->text());
        return CaptionRoom{label->text(), needed, room.size()};
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return CaptionRoom{button->text(), oneLine(button->text()), buttonContents(button).size()};
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
        // The title starts where the style puts it; what passes the frame's edge is cut.
        const QRect title = groupBoxTitle(box);
        return CaptionRoom{box->title(), oneLine(box->title()),
                           QSize(box->width() - title.left(), title.height())};
    }
    return std::nullopt;
}

void noteCut(const QWidget* widget, QStringList& cut) {
    const std::optional<CaptionRoom> fit = captionRoom(widget);
    if (!fit || fit->caption.isEmpty()) return;
    if (fit->needed.width() > fit->room.width() || fit->needed.height() > fit->room.height()) {
        cut << QStringLiteral("%1 \"%2\" in %3: needs %4 x %5, has %6 x %7")
                   .arg(widget->objectName(), fit->caption, QFontInfo(widget->font()).family())
                   .arg(fit->needed.width())
                   .arg(fit->needed.height())
                   .arg(fit->room.width())
                   .arg(fit->room.height());
    }
}

}  // namespace

class CaptionFitTest : public QObject {
    Q_OBJECT
private slots:
    void everyCaptionOfBothWindowsIsWhole() {
        QStringList cut;

        ViewFixture main;
        main.load();
        // A port report shows the error panel over the options: title, message and OK.
        main.program.report().ShowError(invalidPortMessage(5), "StartCom 2");
        for (const QWidget* widget : main.view.clientArea()->findChildren<QWidget*>()) {
            if (widget->isVisible()) noteCut(widget, cut);
        }

        WindowState state;
        FakeShell shell;
        AboutWindowModel model;
        AboutWindow about{model, state, shell, [] {}};
        AboutWindowView view{model, about, nullptr, [] {}};
        about.Form_Load();
        model.lblPendric.setVisible(true);
        view.show();
        // Only what the picture leaves uncovered is seen: the version text and the credits.
        for (Control* control : model.controls()) {
            const Rect place = model.placeOnWindow(*control);
            const Control* seen =
                model.controlAt(place.left + place.width / 2, place.top + place.height / 2);
            if (seen == control && control->visible()) noteCut(view.widgetOf(*control), cut);
        }

        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("\n"))));
    }
};

namespace {
const RegisterGuiTest<CaptionFitTest> registered;
}

}  // namespace vq72::test

#include "caption_fit_test.moc"
