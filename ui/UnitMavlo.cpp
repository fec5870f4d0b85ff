#include "ui/UnitMavlo.h"

#include "printing/Printers.h"
#include "printing/Voucher.h"
#include "ui/DateTimeText.h"
#include "ui/DeveloperContact.h"
#include "ui/ErrorDisplay.h"
#include "ui/Fonts.h"
#include "ui_UnitMavlo.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>

TFormMavlo::TFormMavlo(QWidget *parent, Clock clock)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TFormMavlo>()),
      Timer1(new QTimer(this)),
      m_clock(std::move(clock)),
      m_timeSeparator(systemTimeSeparator())
{
    installFontSubstitutes();
    ui->setupUi(this);
    move(property("designedPosition").toPoint());
    setFixedSize(size());

    setWindowTitle(windowTitle() + QLatin1String(kDeveloperQQ));
    ui->Label5->setText(QStringLiteral("开发商：%1    QQ:%2    邮箱：%3")
                            .arg(QLatin1String(kDeveloperWebAddress), QLatin1String(kDeveloperQQ),
                                 QLatin1String(kDeveloperEmail)));
    ui->Label5->installEventFilter(this);

    connectGuarded(ui->FlatSpeedButton2, &TFlatSpeedButton::clicked, this, &TFormMavlo::FlatSpeedButton2Click);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connectGuarded(Timer1, &QTimer::timeout, this, &TFormMavlo::Timer1Timer);
    Timer1->start();
}

TFormMavlo::~TFormMavlo() = default;

void TFormMavlo::FormShow()
{
    ui->Edit2->setFocus(Qt::OtherFocusReason);
    ui->Edit2->selectAll();
    fillDateTime();
}

void TFormMavlo::Timer1Timer()
{
    fillDateTime();
}

void TFormMavlo::FlatSpeedButton2Click()
{
    printVoucherTwice(Printer(), VoucherFields{
                                     [this] { return ui->Edit1->text(); },
                                     [this] { return ui->Edit2->text(); },
                                     [this] { return ui->Edit3->text(); },
                                     [this] { return ui->Edit4->text(); },
                                 });
}

void TFormMavlo::Label5Click()
{
    QDesktopServices::openUrl(QUrl(QLatin1String(kDeveloperWebAddress)));
}

void TFormMavlo::fillDateTime()
{
    ui->Edit3->setText(formatDateTime(kDateTimePattern, m_clock(), m_timeSeparator));
}

void TFormMavlo::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A restore from the taskbar is a spontaneous show; only a real show is the window showing.
    if (!event->spontaneous())
        guarded([this] { FormShow(); });
}

void TFormMavlo::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LocaleChange)
        m_timeSeparator = systemTimeSeparator();
    QWidget::changeEvent(event);
}

bool TFormMavlo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->Label5 && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && ui->Label5->rect().contains(mouse->position().toPoint()))
            guarded([this] { Label5Click(); });
    }
    return QWidget::eventFilter(watched, event);
}
