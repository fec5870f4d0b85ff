#include "ui/UnitMavlo.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <memory>

class TestWindow final : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void windowFrame();
    void paintingOrder();
    void backgroundPicture();
    void focusAndSelectionAtStart();
    void tabOrderSelectsWholeText();
    void clickPlacesCaret();
    void nameFieldIsReadOnlyButFocusable();
    void inputMethodCommitsChinese();

private:
    QLineEdit *edit(const char *name) const { return form->findChild<QLineEdit *>(QLatin1String(name)); }
    std::unique_ptr<TFormMavlo> form;
};

void TestWindow::init()
{
    form = std::make_unique<TFormMavlo>();
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
}

void TestWindow::cleanup()
{
    form.reset();
}

void TestWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fontFamily");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("textColour");

    const QString sans = QStringLiteral("MS Sans Serif");
    const QColor black(0, 0, 0), red(255, 0, 0), yellow(255, 255, 0), navy(0, 0, 128), white(255, 255, 255);
    const QString title = QStringLiteral("餐劵小票打印系统");
    QTest::newRow("red title") << "Label4" << "QLabel" << QRect(128, 8, 281, 29) << title << sans << 18 << true << red;
    QTest::newRow("background") << "Image1" << "QLabel" << QRect(24, 48, 457, 313) << "" << sans << 14 << false << black;
    QTest::newRow("name caption") << "Label1" << "QLabel" << QRect(56, 88, 60, 24) << "名称：" << sans << 14 << false << black;
    QTest::newRow("price caption") << "Label2" << "QLabel" << QRect(56, 152, 60, 24) << "价格：" << sans << 14 << false << black;
    QTest::newRow("time caption") << "Label3" << "QLabel" << QRect(64, 216, 60, 24) << "时间：" << sans << 14 << false << black;
    QTest::newRow("print button") << "FlatSpeedButton2" << "TFlatSpeedButton" << QRect(184, 376, 137, 41) << "打印小票" << sans
                                  << 12 << true << white;
    QTest::newRow("footer") << "Label5" << "QLabel" << QRect(-56, 432, 561, 20)
                            << "开发商：http://www.example.com/    QQ:12345678    邮箱：contact@example.com"
                            << "宋体" << 12 << false << navy;
    QTest::newRow("yellow title") << "Label6" << "QLabel" << QRect(130, 10, 283, 29) << title << sans << 18 << true << yellow;
    QTest::newRow("name field") << "Edit1" << "QLineEdit" << QRect(120, 80, 273, 32) << "松禾食堂" << sans << 14 << false << black;
    QTest::newRow("price field") << "Edit2" << "QLineEdit" << QRect(120, 144, 273, 32) << "5元" << sans << 14 << false << black;
    QTest::newRow("note field") << "Edit4" << "QLineEdit" << QRect(120, 272, 273, 32) << "抵用餐劵 当日盖章有效" << sans << 14
                                << false << black;
}

void TestWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(QString, fontFamily);
    QFETCH(int, pointSize);
    QFETCH(bool, bold);
    QFETCH(QColor, textColour);

    auto *w = form->findChild<QWidget *>(name);
    QVERIFY(w);
    QCOMPARE(w->metaObject()->className(), className);
    QCOMPARE(w->geometry(), geometry);
    QCOMPARE(w->property("text").toString(), text);
    QCOMPARE(w->font().family(), fontFamily);
    QCOMPARE(w->font().pointSize(), pointSize);
    QCOMPARE(w->font().bold(), bold);
    const auto role = className == "TFlatSpeedButton" ? QPalette::ButtonText
                      : className == "QLineEdit"      ? QPalette::Text
                                                      : QPalette::WindowText;
    QCOMPARE(w->palette().color(role), textColour);
    QCOMPARE(qobject_cast<QLineEdit *>(w) && qobject_cast<QLineEdit *>(w)->isReadOnly(), name == "Edit1");
}

void TestWindow::windowFrame()
{
    QCOMPARE(form->objectName(), QStringLiteral("FormMavlo"));
    QCOMPARE(form->size(), QSize(510, 462));
    QCOMPARE(form->minimumSize(), QSize(510, 462));
    QCOMPARE(form->maximumSize(), QSize(510, 462));
    QCOMPARE(form->pos(), QPoint(192, 107));
    QCOMPARE(form->windowTitle(), QStringLiteral("支持所有的POS58小票打印机(需安装驱动)  软件购买：QQ12345678"));
    QCOMPARE(form->palette().color(QPalette::Window), QColor(193, 215, 253));
    QCOMPARE(form->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(form->font().pointSize(), 14);
    const Qt::WindowFlags flags = form->windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(form->windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});

    auto *timer = form->findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 1000);
    QVERIFY(timer->isActive());

    // The footer is opaque in the window's colour; the rest let the window show through.
    auto *footer = form->findChild<QLabel *>(QStringLiteral("Label5"));
    QVERIFY(footer->autoFillBackground());
    QCOMPARE(footer->palette().color(QPalette::Window), QColor(193, 215, 253));
}

void TestWindow::paintingOrder()
{
    // Later controls paint over earlier ones, and the fields lie above everything else.
    QStringList order;
    for (QObject *child : form->children()) {
        if (child->isWidgetType())
            order << child->objectName();
    }
    QCOMPARE(order, QStringList({"Label4", "Image1", "Label1", "Label2", "Label3", "FlatSpeedButton2", "Label5", "Label6",
                                 "Edit1", "Edit2", "Edit3", "Edit4"}));

    // The yellow title lies over the red one, which shows as a rim up and to the left.
    const QImage shot = form->grab().toImage();
    auto *red = form->findChild<QLabel *>(QStringLiteral("Label4"));
    const QRect titleArea = red->geometry();
    int redPixels = 0, yellowPixels = 0;
    for (int y = titleArea.top(); y <= titleArea.bottom(); ++y) {
        for (int x = titleArea.left(); x <= titleArea.right(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            redPixels += c.red() > 200 && c.green() < 60 && c.blue() < 60;
            yellowPixels += c.red() > 200 && c.green() > 200 && c.blue() < 60;
        }
    }
    QVERIFY2(yellowPixels > 200, qPrintable(QString::number(yellowPixels)));
    QVERIFY2(redPixels > 50 && redPixels < yellowPixels, qPrintable(QString::number(redPixels)));
}

void TestWindow::backgroundPicture()
{
    auto *image = form->findChild<QLabel *>(QStringLiteral("Image1"));
    QVERIFY(image->hasScaledContents());
    const QPixmap picture = image->pixmap();
    QVERIFY2(!picture.isNull(), "the background JPEG did not decode: is Qt's JPEG reader installed?");
    QCOMPARE(picture.size(), QSize(80, 151));
    // Light-blue bands stretched over the whole control.
    const QImage shot = form->grab(image->geometry()).toImage();
    const QColor middle = shot.pixelColor(shot.width() / 2, shot.height() / 2);
    QVERIFY(middle.blue() > 230 && middle.red() < middle.blue());
    QCOMPARE(shot.pixelColor(2, 2), shot.pixelColor(shot.width() - 3, 2));
}

void TestWindow::focusAndSelectionAtStart()
{
    QLineEdit *price = edit("Edit2");
    QCOMPARE(QApplication::focusWidget(), price);
    QCOMPARE(price->selectedText(), QStringLiteral("5元"));
    QTest::keyClicks(price, QStringLiteral("8"));
    QKeyEvent yuan(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("元"));
    QApplication::sendEvent(price, &yuan);
    QCOMPARE(price->text(), QStringLiteral("8元"));
}

void TestWindow::tabOrderSelectsWholeText()
{
    const QStringList order{"Edit3", "Edit4", "Edit1", "Edit2"};
    for (const QString &name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(field);
        QCOMPARE(field->objectName(), name);
        QCOMPARE(field->selectedText(), field->text());
    }
}

void TestWindow::clickPlacesCaret()
{
    QLineEdit *note = edit("Edit4");
    QTest::mouseClick(note, Qt::LeftButton, {}, QPoint(note->width() - 4, note->height() / 2));
    QCOMPARE(QApplication::focusWidget(), note);
    QVERIFY(!note->hasSelectedText());
    QCOMPARE(note->cursorPosition(), note->text().size());
}

void TestWindow::nameFieldIsReadOnlyButFocusable()
{
    QLineEdit *name = edit("Edit1");
    QTest::mouseClick(name, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), name);
    QTest::keyClicks(name, QStringLiteral("x"));
    QCOMPARE(name->text(), QStringLiteral("松禾食堂"));
    name->selectAll();
    QCOMPARE(name->selectedText(), QStringLiteral("松禾食堂"));
}

void TestWindow::inputMethodCommitsChinese()
{
    // What Fcitx or IBus send: a composition shown in place, then the chosen characters.
    QLineEdit *price = edit("Edit2");
    QVERIFY(price->testAttribute(Qt::WA_InputMethodEnabled));
    QInputMethodEvent composing(QStringLiteral("wu"), {});
    QApplication::sendEvent(price, &composing);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("五元"));
    QApplication::sendEvent(price, &commit);
    QCOMPARE(price->text(), QStringLiteral("五元"));
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
