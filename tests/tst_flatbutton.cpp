#include "ui/FlatSpeedButton.h"
#include "ui/UnitMavlo.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

struct Look {
    QColor face, top, left, bottom, right;
};

Look lookOf(TFlatSpeedButton *button)
{
    const QImage img = button->grab().toImage();
    const int w = img.width(), h = img.height();
    // Sample away from the caption, which sits in the middle.
    return {img.pixelColor(6, 4), img.pixelColor(w / 2, 0), img.pixelColor(0, h / 2), img.pixelColor(w / 2, h - 1),
            img.pixelColor(w - 1, h / 2)};
}

} // namespace

class TestFlatButton final : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void faces_data();
    void faces();
    void pressedCaptionMoves();
    void clickOnReleaseOverButton_data();
    void clickOnReleaseOverButton();
    void neverTakesFocus();

private:
    std::unique_ptr<TFormMavlo> form;
    TFlatSpeedButton *button = nullptr;
};

void TestFlatButton::init()
{
    form = std::make_unique<TFormMavlo>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    button = form->findChild<TFlatSpeedButton *>(QStringLiteral("FlatSpeedButton2"));
    QVERIFY(button);
    // The button alone is under test: no print command behind it.
    button->disconnect();
}

void TestFlatButton::cleanup()
{
    form.reset();
}

void TestFlatButton::faces_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QColor>("face");
    QTest::addColumn<QColor>("topLeft");
    QTest::addColumn<QColor>("bottomRight");

    const QColor white(Qt::white), black(Qt::black);
    QTest::newRow("idle: Color, ColorBorder all round") << "idle" << QColor(81, 158, 244) << white << white;
    QTest::newRow("hovered: ColorFocused, raised frame") << "hovered" << QColor(81, 81, 255) << white << black;
    QTest::newRow("pressed: ColorDown, sunken frame") << "pressed" << QColor(128, 128, 255) << black << white;
}

void TestFlatButton::faces()
{
    QFETCH(QString, state);
    QFETCH(QColor, face);
    QFETCH(QColor, topLeft);
    QFETCH(QColor, bottomRight);

    if (state != "idle")
        QTest::mouseMove(button, button->rect().center());
    if (state == "pressed")
        QTest::mousePress(button, Qt::LeftButton);

    const Look look = lookOf(button);
    QCOMPARE(look.face, face);
    QCOMPARE(look.top, topLeft);
    QCOMPARE(look.left, topLeft);
    QCOMPARE(look.bottom, bottomRight);
    QCOMPARE(look.right, bottomRight);

    if (state == "pressed")
        QTest::mouseRelease(button, Qt::LeftButton);
}

void TestFlatButton::pressedCaptionMoves()
{
    QTest::mouseMove(button, button->rect().center());
    const QImage hovered = button->grab().toImage();
    QTest::mousePress(button, Qt::LeftButton);
    const QImage pressed = button->grab().toImage();
    QTest::mouseRelease(button, Qt::LeftButton);

    // Every caption pixel of the hovered face shows up one pixel right and down when pressed.
    const QColor hoverFace(81, 81, 255);
    int caption = 0;
    for (int y = 2; y < hovered.height() - 3; ++y) {
        for (int x = 2; x < hovered.width() - 3; ++x) {
            if (hovered.pixelColor(x, y) == QColor(Qt::white)) {
                ++caption;
                QCOMPARE(pressed.pixelColor(x + 1, y + 1), QColor(Qt::white));
            }
        }
    }
    QVERIFY2(caption > 20, "the caption is drawn in white");
    QCOMPARE(hovered.pixelColor(6, 4), hoverFace);
}

void TestFlatButton::clickOnReleaseOverButton_data()
{
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<int>("clicks");
    QTest::newRow("released over the button") << QPoint(60, 20) << 1;
    QTest::newRow("released at its last pixel") << QPoint(136, 40) << 1;
    QTest::newRow("dragged off and released outside") << QPoint(160, 60) << 0;
}

void TestFlatButton::clickOnReleaseOverButton()
{
    QFETCH(QPoint, releaseAt);
    QFETCH(int, clicks);
    QSignalSpy spy(button, &TFlatSpeedButton::clicked);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(spy.count(), 0);
    QTest::mouseMove(button, releaseAt);
    QTest::mouseRelease(button, Qt::LeftButton, {}, releaseAt);
    QCOMPARE(spy.count(), clicks);

    QTest::mouseClick(button, Qt::RightButton);
    QCOMPARE(spy.count(), clicks);
}

void TestFlatButton::neverTakesFocus()
{
    QWidget *before = QApplication::focusWidget();
    QVERIFY(before);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), before);
    QCOMPARE(button->focusPolicy(), Qt::NoFocus);
}

QTEST_MAIN(TestFlatButton)
#include "tst_flatbutton.moc"
