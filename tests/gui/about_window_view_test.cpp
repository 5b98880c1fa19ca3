// The About window's view: its caption, size and widgets where the layout puts them.
#include <QtTest/QTest>

#include "about/about_window.h"
#include "about/about_window_model.h"
#include "about_gui_tests.h"
#include "support/fakes.h"
#include "ui/about_window_view.h"

namespace vq72::test {
namespace {

// A loaded About window over fakes.
struct ViewRig {
    WindowState state;
    FakeShell shell;
    AboutWindowModel model;
    AboutWindow about{model, state, shell, [] {}};
    AboutWindowView view{model, about, nullptr, [] {}};

    ViewRig() {
        about.Form_Load();
        view.show();
    }
    QWidget* widget(const char* name) { return view.findChild<QWidget*>(name); }
};

}  // namespace

class AboutWindowViewTest : public QObject {
    Q_OBJECT

private slots:
    void windowHasItsCaptionAndSize() {
        ViewRig r;
        QCOMPARE(r.view.windowTitle(), QString("VQ72_OSD"));
        QCOMPARE(r.view.size(), QSize(483, 281));
    }

    void controlsLieAtTheirDesignedPixels_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("place");
        const auto row = [](const char* name, const char* container, QRect place) {
            QTest::newRow(name) << QString(name) << QString(container) << place;
        };
        row("txt_version", "Frame1", QRect(37, 96, 283, 33));
        row("lblPendric", "Frame1", QRect(264, 176, 197, 88));
        row("imgLogo", "Frame1", QRect(0, 0, 470, 261));
        row("lblemail", "Frame1", QRect(160, 208, 297, 25));
        row("Frame1", "", QRect(8, 8, 467, 265));
        row("Label1", "", QRect(192, 112, 81, 33));
    }
    void controlsLieAtTheirDesignedPixels() {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, place);
        ViewRig r;
        QWidget* widget = r.view.findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), place);
        QWidget* expectedParent = container.isEmpty() ? &r.view : r.widget("Frame1");
        QCOMPARE(widget->parentWidget(), expectedParent);
    }
};

int runAboutWindowViewTests(int argc, char** argv) {
    AboutWindowViewTest tests;
    return QTest::qExec(&tests, argc, argv);
}

}  // namespace vq72::test

#include "about_window_view_test.moc"
