#include "ui/DateTimeText.h"
#include "ui/UnitMavlo.h"

#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace {

// Stands in for the system's handler of web addresses.
class UrlCatcher final : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

QDateTime at(int y, int mo, int d, int h, int mi, int s, int ms = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms));
}

} // namespace

class TestClock final : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void instants_data();
    void instants();
    void patterns_data();
    void patterns();
    void separatorOfFormat_data();
    void separatorOfFormat();
    void separatorFromRealLocales_data();
    void separatorFromRealLocales();
    void fieldFollowsTheClock();
    void footer();

private:
    std::unique_ptr<TFormMavlo> makeForm(TFormMavlo::Clock clock);
    std::unique_ptr<TFormMavlo> form;
};

void TestClock::cleanup()
{
    form.reset();
    qunsetenv("LC_ALL");
    qunsetenv("LOCPATH");
}

std::unique_ptr<TFormMavlo> TestClock::makeForm(TFormMavlo::Clock clock)
{
    auto f = std::make_unique<TFormMavlo>(nullptr, std::move(clock));
    f->show();
    if (!QTest::qWaitForWindowExposed(f.get()))
        return nullptr;
    return f;
}

void TestClock::instants_data()
{
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<QString>("text");
    QTest::newRow("morning, every field padded") << at(2012, 3, 3, 9, 5, 7) << "2012-03-03 09:05:07";
    QTest::newRow("afternoon on the 24-hour clock") << at(2011, 12, 28, 16, 30, 59) << "2011-12-28 16:30:59";
    QTest::newRow("last second of the year") << at(2026, 12, 31, 23, 59, 59) << "2026-12-31 23:59:59";
    QTest::newRow("midnight after it") << at(2027, 1, 1, 0, 0, 0) << "2027-01-01 00:00:00";
    QTest::newRow("999 ms is dropped, not rounded") << at(2026, 12, 11, 10, 0, 59, 999) << "2026-12-11 10:00:59";
}

void TestClock::instants()
{
    QFETCH(QDateTime, time);
    QFETCH(QString, text);
    QCOMPARE(formatDateTime(kDateTimePattern, time, u':'), text);
}

void TestClock::patterns_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("text");
    // 2012-03-03 09:05:07
    QTest::newRow("locale separator '.'") << "YYYY-MM-DD HH:MM:SS" << QChar(u'.') << "2012-03-03 09.05.07";
    QTest::newRow("letters are case-insensitive") << "yyyy-mm-dd hh:mm:ss" << QChar(u':') << "2012-03-03 09:05:07";
    QTest::newRow("MM after HH is minutes, before is month") << "MM HH MM" << QChar(u':') << "03 09 05";
    QTest::newRow("a letter between breaks the minute rule") << "HH D MM" << QChar(u':') << "09 3 03";
    QTest::newRow("single letters are unpadded") << "Y M D H:M:S" << QChar(u':') << "12 3 3 9:5:7";
    QTest::newRow("N is minutes") << "HHNN" << QChar(u':') << "0905";
    QTest::newRow("other characters copied") << "[YYYY/MM]" << QChar(u':') << "[2012/03]";
}

void TestClock::patterns()
{
    QFETCH(QString, pattern);
    QFETCH(QChar, separator);
    QFETCH(QString, text);
    QCOMPARE(formatDateTime(pattern, at(2012, 3, 3, 9, 5, 7), separator), text);
}

void TestClock::separatorOfFormat_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QChar>("separator");
    QTest::newRow("C locale") << QByteArray("%H:%M:%S") << QChar(u':');
    QTest::newRow("Finnish") << QByteArray("%H.%M.%S") << QChar(u'.');
    QTest::newRow("Norwegian, text before the hour") << QByteArray("kl. %H.%M %z") << QChar(u'.');
    QTest::newRow("%T") << QByteArray("%T") << QChar(u':');
    QTest::newRow("12-hour %r") << QByteArray("%r") << QChar(u':');
    QTest::newRow("padding flag") << QByteArray("%-I h %M") << QChar(u' ');
    QTest::newRow("nothing between") << QByteArray("%H%M") << QChar(u':');
    QTest::newRow("unreadable") << QByteArray() << QChar(u':');
}

void TestClock::separatorOfFormat()
{
    QFETCH(QByteArray, format);
    QFETCH(QChar, separator);
    QCOMPARE(timeSeparatorOfFormat(format), separator);
}

void TestClock::separatorFromRealLocales_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("text");
    QTest::newRow("fi_FI") << QByteArray("fi_FI.UTF-8") << "2012-03-03 09.05.07";
    QTest::newRow("nb_NO") << QByteArray("nb_NO.UTF-8") << "2012-03-03 09.05.07";
    QTest::newRow("missing locale gives ':'") << QByteArray("xx_XX.UTF-8") << "2012-03-03 09:05:07";
}

void TestClock::separatorFromRealLocales()
{
    QFETCH(QByteArray, locale);
    QFETCH(QString, text);
    const QByteArray path = qgetenv("MAVLO_TEST_LOCPATH");
    if (path.isEmpty())
        QSKIP("MAVLO_TEST_LOCPATH names no generated locales");
    qputenv("LOCPATH", path);
    qputenv("LC_ALL", locale);
    form = makeForm([] { return at(2012, 3, 3, 9, 5, 7); });
    QVERIFY(form);
    QCOMPARE(form->findChild<QLineEdit *>(QStringLiteral("Edit3"))->text(), text);

    // A change of regional settings is read again.
    qputenv("LC_ALL", "C");
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(form.get(), &change);
    form->Timer1Timer();
    QCOMPARE(form->findChild<QLineEdit *>(QStringLiteral("Edit3"))->text(), QStringLiteral("2012-03-03 09:05:07"));
}

void TestClock::fieldFollowsTheClock()
{
    QDateTime now = at(2026, 12, 31, 23, 59, 59);
    auto created = std::make_unique<TFormMavlo>(nullptr, [&now] { return now; });
    auto *field = created->findChild<QLineEdit *>(QStringLiteral("Edit3"));
    QCOMPARE(field->text(), QString()); // empty until the window shows
    created->show();
    QVERIFY(QTest::qWaitForWindowExposed(created.get()));
    QCOMPARE(field->text(), QStringLiteral("2026-12-31 23:59:59"));

    field->setText(QStringLiteral("typed by hand"));
    now = at(2027, 1, 1, 0, 0, 0);
    auto *timer = created->findChild<QTimer *>(QStringLiteral("Timer1"));
    QSignalSpy ticks(timer, &QTimer::timeout);
    QVERIFY(ticks.wait(1500));
    QCOMPARE(field->text(), QStringLiteral("2027-01-01 00:00:00"));

    // The real clock, once: the field shows now to the second.
    form = makeForm(&QDateTime::currentDateTime);
    QVERIFY(form);
    const QDateTime shown = QDateTime::fromString(form->findChild<QLineEdit *>(QStringLiteral("Edit3"))->text(),
                                                  QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    QVERIFY(shown.isValid());
    QVERIFY(qAbs(shown.secsTo(QDateTime::currentDateTime())) <= 2);
}

void TestClock::footer()
{
    form = makeForm(&QDateTime::currentDateTime);
    QVERIFY(form);
    auto *label = form->findChild<QLabel *>(QStringLiteral("Label5"));
    QCOMPARE(label->text(),
             QStringLiteral("开发商：http://www.example.com/    QQ:12345678    邮箱：contact@example.com"));

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
    // On the text, on the blank end up to the label's right edge, and twice: once a click.
    const QList<QPoint> points{QPoint(100, 10), QPoint(label->width() - 2, 10), QPoint(label->width() - 2, 10)};
    for (const QPoint &p : points)
        QTest::mouseClick(label, Qt::LeftButton, {}, p);
    QTest::mouseClick(label, Qt::RightButton, {}, QPoint(100, 10));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QCOMPARE(catcher.opened, QList<QUrl>(3, QUrl(QStringLiteral("http://www.example.com/"))));
}

QTEST_MAIN(TestClock)
#include "tst_clock.moc"
