#pragma once

#include <QDateTime>
#include <QWidget>

#include <functional>
#include <memory>

class QTimer;

namespace Ui {
class TFormMavlo;
}

// The program's one window. Its layout lives in UnitMavlo.ui; the handlers keep no state:
// the four fields are the whole state.
class TFormMavlo final : public QWidget {
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    explicit TFormMavlo(QWidget *parent = nullptr, Clock clock = &QDateTime::currentDateTime);
    ~TFormMavlo() override;

    void FormShow();
    void Timer1Timer();
    void FlatSpeedButton2Click();
    void Label5Click();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillDateTime();

    std::unique_ptr<Ui::TFormMavlo> ui;
    QTimer *Timer1;
    Clock m_clock;
    QChar m_timeSeparator;
};
