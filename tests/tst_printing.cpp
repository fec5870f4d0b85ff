#include "CupsScheduler.h"

#include "printing/Printers.h"
#include "printing/Voucher.h"
#include "ui/ErrorDisplay.h"
#include "ui/FlatSpeedButton.h"
#include "ui/UnitMavlo.h"

#include <QLineEdit>
#include <QSet>
#include <QTest>

#include <memory>

using namespace CupsScheduler;

namespace {

const QDateTime kNow(QDate(2026, 12, 11), QTime(9, 30, 5));
const QString kTimeLine = QStringLiteral("时间:2026-12-11 09:30:05");
// What one voucher shows with the window's initial texts, blank lines left out.
const QStringList kVoucher{"名称:松禾食堂", "价格:5元", kTimeLine, "抵用餐劵 当日盖章有效", ".", ".", ".", "."};
// The virtual queue's page and printable area, in points.
constexpr qreal kPrintableLeft = 14, kPrintableRight = 150;

QStringList textsOf(const QList<PdfLine> &lines)
{
    QStringList texts;
    for (const PdfLine &line : lines)
        texts << line.text;
    return texts;
}

const PdfLine *lineStarting(const QList<PdfLine> &lines, const QString &prefix)
{
    for (const PdfLine &line : lines) {
        if (line.text.startsWith(prefix))
            return &line;
    }
    return nullptr;
}

} // namespace

class TestPrinting final : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void oneClickPrintsTwoVouchers();
    void fieldTexts_data();
    void fieldTexts();
    void twoClicksPrintFourVouchersInOrder();
    void clickDuringAJobIsRefused();
    void faults_data();
    void faults();
    void printerIsChosenOnceARun();
    void unusualFieldTexts_data();
    void unusualFieldTexts();
    void faultsBetweenCopies_data();
    void faultsBetweenCopies();
    void spoolDiskFull();

private:
    QLineEdit *field(const char *name) const { return form->findChild<QLineEdit *>(QLatin1String(name)); }
    // Clicks the print button and hands back the documents that reached the scheduler.
    QStringList click();
    void restartProgram();

    std::unique_ptr<TFormMavlo> form;
    std::unique_ptr<MessageBoxCatcher> errors;
};

void TestPrinting::init()
{
    reset();
    restartProgram();
}

void TestPrinting::cleanup()
{
    form.reset();
    errors.reset();
}

void TestPrinting::restartProgram()
{
    SetPrinter(std::make_unique<TPrinter>());
    form = std::make_unique<TFormMavlo>(nullptr, [] { return kNow; });
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    errors = std::make_unique<MessageBoxCatcher>();
}

QStringList TestPrinting::click()
{
    const qsizetype before = documents().size();
    QTest::mouseClick(form->findChild<TFlatSpeedButton *>(QStringLiteral("FlatSpeedButton2")), Qt::LeftButton);
    return documents().mid(before);
}

void TestPrinting::oneClickPrintsTwoVouchers()
{
    const QStringList fieldNames{"Edit1", "Edit2", "Edit3", "Edit4"};
    QStringList before;
    for (const QString &name : fieldNames)
        before << field(name.toLatin1())->text();

    const QStringList docs = click();
    QCOMPARE(errors->texts, QStringList());
    QCOMPARE(docs.size(), 2);
    QCOMPARE(jobsOf(kQueue).size(), 2);

    QList<QList<PdfLine>> copies;
    for (const QString &doc : docs) {
        QCOMPARE(pdfPageSize(doc), QStringLiteral("164 x 595 pts"));
        copies << pdfLines(doc);
        QCOMPARE(textsOf(copies.back()), kVoucher);
        for (const PdfLine &line : copies.back()) {
            QVERIFY2(line.box.left() >= kPrintableLeft - 0.5 && line.box.right() <= kPrintableRight + 0.5,
                     qPrintable(line.text));
        }
    }

    // The first copy's two leading blank lines are set at 8 pt, the second copy's at 11 pt.
    const qreal firstTop = lineStarting(copies[0], "名称")->box.top();
    const qreal secondTop = lineStarting(copies[1], "名称")->box.top();
    QVERIFY2(secondTop - firstTop > 4.0, qPrintable(QStringLiteral("%1 vs %2").arg(firstTop).arg(secondTop)));
    for (const auto &lines : copies) {
        // A blank line between two text lines: their pitch is twice that of the dots.
        const qreal pitch = lines[5].box.top() - lines[4].box.top();
        const qreal pitchWithBlank = lineStarting(lines, "价格")->box.top() - lineStarting(lines, "名称")->box.top();
        QVERIFY(pitch > 10 && pitch < 16);
        QVERIFY(qAbs(pitchWithBlank - 2 * pitch) < 0.5);
        // The note is indented by its leading blank.
        QVERIFY(lineStarting(lines, "抵用")->box.left() > lines[4].box.left() + 1);
    }

    QStringList after;
    for (const QString &name : fieldNames)
        after << field(name.toLatin1())->text();
    QCOMPARE(after, before);
}

void TestPrinting::fieldTexts_data()
{
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QStringList>("printed"); // the voucher's texts from the price to the note
    QTest::addColumn<int>("lines");           // printed lines they take, where it is known
    QTest::addColumn<int>("pages");

    const QString &time = kTimeLine;
    QTest::newRow("empty price") << "" << "抵用餐劵" << QStringList{"价格:", time, "抵用餐劵"} << 3 << 1;
    QTest::newRow("empty note is a line of one space") << "5元" << "" << QStringList{"价格:5元", time} << 2 << 1;
    QTest::newRow("price of letters, printed unchanged")
        << "five yuan" << "x" << QStringList{"价格:five yuan", time, "x"} << 3 << 1;
    QTest::newRow("line longer than the paper wraps")
        << "12345678901234567890123456789012345" << "x"
        << QStringList{"价格:12345678901234567890123456789012345", time, "x"} << 4 << 1;
    const QString longNote = QStringLiteral("抵用餐劵当日盖章有效").repeated(100);
    QTest::newRow("thousand-character note breaks pages") << "5元" << longNote << QStringList{"价格:5元", time, longNote}
                                                          << -1 << 3;
}

void TestPrinting::fieldTexts()
{
    QFETCH(QString, price);
    QFETCH(QString, note);
    QFETCH(QStringList, printed);
    QFETCH(int, lines);
    QFETCH(int, pages);

    field("Edit2")->setText(price);
    field("Edit4")->setText(note);
    const QStringList docs = click();
    QCOMPARE(errors->texts, QStringList());
    QCOMPARE(docs.size(), 2);
    for (const QString &doc : docs) {
        QCOMPARE(pdfPages(doc), pages);
        const QList<PdfLine> pdf = pdfLines(doc);
        for (const PdfLine &line : pdf)
            QVERIFY2(line.box.right() <= kPrintableRight + 0.5, qPrintable(line.text));
        const QStringList texts = textsOf(pdf);
        QCOMPARE(texts.first(), QStringLiteral("名称:松禾食堂"));
        QCOMPARE(texts.mid(texts.size() - 4), QStringList(4, QStringLiteral(".")));
        const QStringList body = texts.mid(1, texts.size() - 5);
        // Wrapped lines joined give back the field's text: nothing lost, nothing added.
        QCOMPARE(body.join(QString()), printed.join(QString()));
        if (lines >= 0)
            QCOMPARE(body.size(), lines);
    }
}

void TestPrinting::twoClicksPrintFourVouchersInOrder()
{
    field("Edit2")->setText(QStringLiteral("A"));
    QStringList docs = click();
    field("Edit2")->setText(QStringLiteral("B"));
    docs += click();
    QCOMPARE(errors->texts, QStringList());
    QStringList prices;
    for (const QString &doc : docs)
        prices << textsOf(pdfLines(doc)).value(1);
    QCOMPARE(prices, QStringList({"价格:A", "价格:A", "价格:B", "价格:B"}));
}

void TestPrinting::clickDuringAJobIsRefused()
{
    // A click that arrives while the first job is handed to the scheduler.
    auto *button = form->findChild<TFlatSpeedButton *>(QStringLiteral("FlatSpeedButton2"));
    QMetaObject::invokeMethod(button, &TFlatSpeedButton::click, Qt::QueuedConnection);
    const QStringList docs = click();
    QCOMPARE(errors->texts, QStringList{"Printing in progress."});
    QCOMPARE(docs.size(), 2);
    QCOMPARE(textsOf(pdfLines(docs[1])), kVoucher);
}

void TestPrinting::faults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("printed");

    QTest::newRow("no printers") << "no printers" << "There is no default printer currently selected." << 0;
    QTest::newRow("printers but no default") << "no default" << "There is no default printer currently selected." << 0;
    QTest::newRow("default deleted after the first print") << "deleted" << "Printer selected is not valid." << 0;
    QTest::newRow("scheduler gone") << "scheduler gone" << "Win32 Error.  Code: 1282.\nserver-error-service-unavailable: "
                                    << 0;
    QTest::newRow("queue rejecting jobs") << "rejecting" << "Destination \"Receipt58\" is not accepting jobs." << 0;
    QTest::newRow("paused queue holds the jobs") << "paused" << "" << 2;
}

void TestPrinting::faults()
{
    QFETCH(QString, fault);
    QFETCH(QString, message);
    QFETCH(int, printed);

    if (fault == "no printers") {
        removeAllQueues();
    } else if (fault == "no default") {
        removeAllQueues();
        addQueue(QStringLiteral("Other"));
    } else if (fault == "deleted") {
        QCOMPARE(click().size(), 2);
        QVERIFY(run(QStringLiteral("lpadmin"), {"-x", kQueue}).has_value());
    } else if (fault == "scheduler gone") {
        stop();
    } else if (fault == "rejecting") {
        QVERIFY(run(QStringLiteral("cupsreject"), {kQueue}).has_value());
    } else if (fault == "paused") {
        QVERIFY(run(QStringLiteral("cupsdisable"), {kQueue}).has_value());
    }

    const QStringList docs = click();
    if (fault == "scheduler gone")
        resume();
    QCOMPARE(docs.size(), printed);
    if (message.isEmpty()) {
        QCOMPARE(errors->texts, QStringList());
    } else {
        QCOMPARE(errors->texts.size(), 1);
        QVERIFY2(errors->texts[0].startsWith(message), qPrintable(errors->texts[0]));
        QVERIFY(form->isVisible());
    }
}

void TestPrinting::printerIsChosenOnceARun()
{
    // A new default after the first print changes nothing until the program restarts.
    QCOMPARE(click().size(), 2);
    addQueue(QStringLiteral("Other"));
    QVERIFY(run(QStringLiteral("lpadmin"), {"-d", "Other"}).has_value());
    QCOMPARE(click().size(), 2);
    QCOMPARE(jobsOf(kQueue).size(), 4);
    QCOMPARE(jobsOf(QStringLiteral("Other")).size(), 0);
    restartProgram();
    QCOMPARE(click().size(), 2);
    QCOMPARE(jobsOf(QStringLiteral("Other")).size(), 2);

    // A printer installed after the first print of a run waits for a restart too.
    removeAllQueues();
    restartProgram();
    QCOMPARE(click().size(), 0);
    addQueue(kQueue);
    QVERIFY(run(QStringLiteral("lpadmin"), {"-d", kQueue}).has_value());
    QCOMPARE(click().size(), 0);
    QCOMPARE(errors->texts, QStringList(2, QStringLiteral("There is no default printer currently selected.")));
    restartProgram();
    QCOMPARE(click().size(), 2);
}

void TestPrinting::unusualFieldTexts_data()
{
    QTest::addColumn<QString>("price");

    QTest::newRow("10,000-character price") << QStringLiteral("价格12345 abcde ").repeated(1000);
    QTest::newRow("control characters and tabs") << QStringLiteral("5\t元\x01\x1b[0m\r\n\u0000end");
    QTest::newRow("right-to-left text") << QStringLiteral("שלום 5 مرحبا");
    QTest::newRow("characters outside the BMP") << QStringLiteral("😀5元𠀀𝄞");
    QTest::newRow("combining marks") << QStringLiteral("e\u0301\u0301 a\u0308 元\u20dd");
    QTest::newRow("only blanks") << QStringLiteral("     ");
}

void TestPrinting::unusualFieldTexts()
{
    QFETCH(QString, price);
    field("Edit2")->setText(price);
    // The field may refuse some of it (line breaks); what it holds is what must be printed.
    const QString held = field("Edit2")->text();

    const QStringList docs = click();
    QCOMPARE(errors->texts, QStringList());
    QCOMPARE(docs.size(), 2);
    // A reader gets back the printable characters; blanks and controls leave no glyph, and
    // characters no installed face draws may come back as nothing.
    const auto comparable = [](const QString &text) {
        QString out;
        for (const char32_t c : text.normalized(QString::NormalizationForm_KC).toUcs4()) {
            if (QChar::isPrint(c) && !QChar::isSpace(c) && QChar::category(c) != QChar::Mark_NonSpacing
                && QChar::category(c) != QChar::Mark_Enclosing && !QChar::requiresSurrogates(c))
                out += QString::fromUcs4(&c, 1);
        }
        return out;
    };
    for (const QString &doc : docs) {
        const QStringList texts = textsOf(pdfLines(doc));
        QCOMPARE(texts.mid(texts.size() - 4), QStringList(4, QStringLiteral(".")));
        const QString body = comparable(texts.mid(1, texts.size() - 5).join(QString()));
        const QString expected = comparable(QStringLiteral("价格:") + held + kTimeLine + QStringLiteral("抵用餐劵 当日盖章有效"));
        if (price.contains(QChar(0x05E9))) // a reader may give right-to-left runs back in visual order
            QCOMPARE(QSet<QChar>(body.begin(), body.end()), QSet<QChar>(expected.begin(), expected.end()));
        else
            QCOMPARE(body, expected);
    }
}

void TestPrinting::faultsBetweenCopies_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("kept");
    QTest::newRow("scheduler stopped") << "stop" << "Win32 Error.  Code: " << 1;
    // Deleting a queue takes its jobs with it, the first copy's included.
    QTest::newRow("queue deleted") << "delete" << "The printer or class does not exist." << 0;
}

void TestPrinting::faultsBetweenCopies()
{
    QFETCH(QString, fault);
    QFETCH(QString, message);
    QFETCH(int, kept);

    // The second copy reads the name field after the first copy went to the scheduler.
    int nameReads = 0;
    const auto name = [&] {
        if (++nameReads == 2) {
            if (fault == "stop")
                stop();
            else
                run(QStringLiteral("lpadmin"), {"-x", kQueue});
        }
        return field("Edit1")->text();
    };
    const auto text = [this](const char *f) { return [this, f] { return field(f)->text(); }; };
    const qsizetype before = documents().size();
    guarded([&] { printVoucherTwice(Printer(), VoucherFields{name, text("Edit2"), text("Edit3"), text("Edit4")}); });
    if (fault == "stop")
        resume();

    QCOMPARE(documents().size() - before, kept);
    QCOMPARE(errors->texts.size(), 1);
    QVERIFY2(errors->texts[0].startsWith(message), qPrintable(errors->texts[0]));

    // The window is still usable, and once the queue is back a click prints both copies.
    if (fault == "delete") {
        reset();
        restartProgram();
    }
    QCOMPARE(click().size(), 2);
}

void TestPrinting::spoolDiskFull()
{
    const QString spool = QString::fromLocal8Bit(qgetenv("MAVLO_CUPS_DIR")) + QStringLiteral("/spool");
    // A spool too small for one document, laid over the scheduler's own.
    if (!run(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=8k,mode=0710,gid=7", "tmpfs", spool}))
        QSKIP("cannot mount a small tmpfs here");
    struct Unmount {
        QString spool;
        ~Unmount() { run(QStringLiteral("umount"), {spool}); }
    } unmount{spool};
    QCOMPARE(click().size(), 0);
    QCOMPARE(errors->texts.size(), 1);
    QVERIFY2(!errors->texts[0].isEmpty(), "the failure is shown");
    run(QStringLiteral("umount"), {spool});
    QCOMPARE(click().size(), 2);
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
