// The About window's view: its widgets where the layout puts them, covered controls staying
// covered, the model mirrored, and the mouse, keys and Timer1 reaching the behaviour.
#include <QColor>
#include <QFontInfo>
#include <QGroupBox>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QToolTip>
#include <QtTest/QTest>
#include <memory>

#include "about/about_contacts.h"
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
    int windowManagerCloses = 0;
    AboutWindow about{model, state, shell, [this] { ++closeRequests; }};
    AboutWindowView view{model, about, nullptr, [this] { ++windowManagerCloses; }};

    explicit ViewRig(bool fromMenu) {
        state.AboutFromMenu = fromMenu;
        about.Form_Load();
        view.show();
    }
    QWidget* widget(const char* name) { return view.findChild<QWidget*>(name); }
};

bool sameRows(const QImage& shot, const QImage& picture, QPoint offset, int fromRow, int toRow,
              int width) {
    for (int y = fromRow; y < toRow; ++y) {
        for (int x = 0; x < width; ++x) {
            if (shot.pixel(offset.x() + x, offset.y() + y) != picture.pixel(x, y)) return false;
        }
    }
    return true;
}

}  // namespace

class AboutWindowViewTest : public QObject {
    Q_OBJECT

private slots:
    void windowHasItsCaptionSizeAndBlueGround() {
        ViewRig r(true);
        QVERIFY(QTest::qWaitForWindowExposed(&r.view));
        QCOMPARE(r.view.windowTitle(), QString("VQ72_OSD"));
        QCOMPARE(r.view.size(), QSize(483, 281));
        QCOMPARE(r.view.grab().toImage().pixelColor(test::kMargin), QColor(0, 0, 255));
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
        row("img_fuzzy", "Frame1", QRect(0, 0, 470, 261));
        row("imgLogo", "Frame1", QRect(0, 0, 470, 261));
        row("lblVersion", "Frame1", QRect(32, 96, 164, 19));
        row("VQ", "Frame1", QRect(32, 72, 230, 25));
        row("lblCompanyProduct", "Frame1", QRect(8, 144, 442, 19));
        row("lblemail", "Frame1", QRect(160, 208, 297, 25));
        row("lbl_phone", "Frame1", QRect(32, 208, 201, 25));
        row("lblurl", "Frame1", QRect(32, 224, 276, 25));
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

    // What the operator sees: the picture over every control beneath it, the version text
    // over the picture, the credits only when revealed, Frame1's strip below the picture.
    void picturesCoverWhatLiesBeneathThem() {
        ViewRig r(true);
        const QImage picture =
            QImage(":/vq72/about_picture.png").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(picture.size(), QSize(470, 261));
        const QPoint frame(8, 8);
        const int shownWidth = 467;  // the frame clips the picture's last columns

        QImage shot = r.view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(sameRows(shot, picture, frame, 0, 96, shownWidth));     // above txt_version
        QVERIFY(sameRows(shot, picture, frame, 130, 261, shownWidth));  // below it
        QVERIFY(!sameRows(shot, picture, frame, 96, 130, shownWidth));  // the version text
        QVERIFY(shot.pixelColor(test::kFrameStrip) != QColor(0, 0, 255));

        r.model.lblPendric.setVisible(true);
        shot = r.view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(!sameRows(shot, picture, frame, 176, 261, shownWidth));
    }

    void modelLooksAndChangesAreMirrored() {
        ViewRig r(true);
        auto* version = qobject_cast<QLabel*>(r.widget("txt_version"));
        QVERIFY(version);
        QCOMPARE(version->text().toStdString(), r.model.txt_version.text());
        QCOMPARE(version->palette().color(QPalette::WindowText), QColor(0x10, 0x40, 0xFF));
        QCOMPARE(version->font().pointSizeF(), 11.25);
        QVERIFY(version->font().bold());
        QVERIFY(QFontInfo(version->font()).exactMatch() ||
                QFontInfo(version->font()).family() == "DejaVu Sans");
        QVERIFY(r.widget("lblurl")->font().underline());
        QCOMPARE(r.widget("lblurl")->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(r.widget("Frame1")->toolTip(), QString(about::kMakerWeb));
        QCOMPARE(r.widget("Frame1")->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));

        auto* credits = qobject_cast<QLabel*>(r.widget("lblPendric"));
        QVERIFY(credits);
        QVERIFY(!credits->isVisible());
        QCOMPARE(credits->text().count('\n'), 5);  // six lines, without the CR
        QVERIFY(!credits->text().contains('\r'));
        QCOMPARE(credits->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        r.model.lblPendric.setVisible(true);
        QVERIFY(credits->isVisible());
        r.model.lblPendric.setText("changed");
        QCOMPARE(credits->text(), QString("changed"));
        r.model.Frame1.setText("Frame caption");
        QCOMPARE(qobject_cast<QGroupBox*>(r.widget("Frame1"))->title(), QString("Frame caption"));
    }

    void dragEndingOverTheVersionTextRevealsTheCreditsAndKeepsItOpen() {
        ViewRig r(false);
        QVERIFY(QTest::qWaitForWindowExposed(&r.view));
        test::drag(&r.view, test::kPicture, test::kVersionText);
        QVERIFY(r.widget("lblPendric")->isVisible());
        QCOMPARE(r.closeRequests, 0);
        // Pressed on the picture and released over the credits now shown: still no click.
        test::drag(&r.view, test::kPicture, test::kCredits);
        QCOMPARE(r.closeRequests, 0);
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

    void pointerAndToolTipAreThoseOfTheTopmostControl() {
        ViewRig r(true);
        QVERIFY(QTest::qWaitForWindowExposed(&r.view));
        QHelpEvent overPicture(QEvent::ToolTip, test::kPicture, r.view.mapToGlobal(test::kPicture));
        QApplication::sendEvent(&r.view, &overPicture);
        QVERIFY(!QToolTip::isVisible());
        QHelpEvent overStrip(QEvent::ToolTip, test::kFrameStrip,
                             r.view.mapToGlobal(test::kFrameStrip));
        QApplication::sendEvent(&r.view, &overStrip);
        QCOMPARE(QToolTip::text(), QString(about::kMakerWeb));
        QToolTip::hideText();

        QWindow* window = r.view.windowHandle();
        QTest::mouseMove(window, test::kUrl);  // lblurl lies under the picture
        QCOMPARE(r.view.cursor().shape(), Qt::ArrowCursor);
        r.model.img_fuzzy.setVisible(false);
        r.model.imgLogo.setVisible(false);
        QTest::mouseMove(window, test::kUrl + QPoint(1, 0));
        QCOMPARE(r.view.cursor().shape(), Qt::PointingHandCursor);
    }

    void characterKeysCloseItOthersDoNot_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("closes");
        QTest::newRow("letter") << int(Qt::Key_A) << 1;
        QTest::newRow("digit") << int(Qt::Key_5) << 1;
        QTest::newRow("space") << int(Qt::Key_Space) << 1;
        QTest::newRow("Enter") << int(Qt::Key_Return) << 1;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << 1;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 1;
        QTest::newRow("left arrow") << int(Qt::Key_Left) << 0;
        QTest::newRow("down arrow") << int(Qt::Key_Down) << 0;
        QTest::newRow("Shift") << int(Qt::Key_Shift) << 0;
    }
    void characterKeysCloseItOthersDoNot() {
        QFETCH(int, key);
        QFETCH(int, closes);
        ViewRig r(true);
        QTest::keyClick(&r.view, static_cast<Qt::Key>(key));
        QCOMPARE(r.closeRequests, closes);
    }

    void timer1RunsWhileEnabledAndItsTicksReachTheBehaviour() {
        ViewRig r(false);
        auto* timer = r.view.findChild<QTimer*>("Timer1");
        QVERIFY(timer);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 500);
        test::tickTimer1(&r.view);
        test::tickTimer1(&r.view);
        QCOMPARE(r.closeRequests, 0);
        test::tickTimer1(&r.view);  // the splash closes on its third tick and stops Timer1
        QCOMPARE(r.closeRequests, 1);
        QVERIFY(!timer->isActive());
        r.model.Timer1.setEnabled(true);
        QVERIFY(timer->isActive());
    }

    void windowManagerCloseIsReported() {
        ViewRig r(true);
        r.view.close();
        QCOMPARE(r.windowManagerCloses, 1);
        QCOMPARE(r.closeRequests, 0);
    }
};

int runAboutWindowViewTests(int argc, char** argv) {
    AboutWindowViewTest tests;
    return QTest::qExec(&tests, argc, argv);
}

}  // namespace vq72::test

#include "about_window_view_test.moc"
