// The About window's view: its widgets where the layout puts them, the model mirrored, and the
// mouse and keys reaching the behaviour.
#include <QLabel>
#include <QtTest/QTest>
#include <memory>

#include "about/about_window.h"
#include "about/about_window_model.h"
#include "about_gui_support.h"
#include "about_gui_tests.h"
#include "support/fakes.h"

namespace vq72::test {
namespace {

// A loaded and shown About window over fakes; closing only counts the requests.
struct ViewRig {
    WindowState state;
    FakeShell shell;
    AboutWindowModel model;
    int closeRequests = 0;
    AboutWindow about{model, state, shell, [this] { ++closeRequests; }};
    AboutWindowView view{model, about, nullptr, [] {}};

    explicit ViewRig(bool fromMenu) {
        state.AboutFromMenu = fromMenu;
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
        ViewRig r(true);
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
        ViewRig r(true);
        QWidget* widget = r.view.findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), place);
        QWidget* expectedParent = container.isEmpty() ? &r.view : r.widget("Frame1");
        QCOMPARE(widget->parentWidget(), expectedParent);
    }

    void clickClosesWhereTheControlUnderThePointerSaysSo_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("closes");
        QTest::newRow("picture") << test::kPicture << 1;
        QTest::newRow("strip of Frame1") << test::kFrameStrip << 1;
        QTest::newRow("version text takes no clicks") << test::kVersionText << 0;
        QTest::newRow("window margin takes no clicks") << test::kMargin << 0;
    }
    void clickClosesWhereTheControlUnderThePointerSaysSo() {
        QFETCH(QPoint, at);
        QFETCH(int, closes);
        ViewRig r(true);
        QVERIFY(QTest::qWaitForWindowExposed(&r.view));
        test::click(&r.view, at);
        QCOMPARE(r.closeRequests, closes);
        QVERIFY(r.shell.opened.empty());
    }
};

int runAboutWindowViewTests(int argc, char** argv) {
    AboutWindowViewTest tests;
    return QTest::qExec(&tests, argc, argv);
}

}  // namespace vq72::test

#include "about_window_view_test.moc"
