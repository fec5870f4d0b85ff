#pragma once

#include <QObject>
#include <QString>

#include <exception>

class QMessageBox;

// The program's title: the executable's file name without its folder, cut at its first
// full stop, every character after the first in lower case.
QString programTitle(const QString &executablePath);
QString programTitle();

// The text the error display shows for a failure's message.
QString displayedMessage(const QString &message);

// The application's one error display: a critical box with an OK button, captioned with the
// program's title. makeErrorBox builds it; showError runs it modally.
QMessageBox *makeErrorBox(const QString &message, QWidget *parent = nullptr);
void showError(const QString &message);

// Runs a handler so that no failure escapes into Qt's event loop: every failure reaches the
// error display and the loop goes on.
template <typename Handler>
void guarded(Handler &&handler) noexcept
{
    try {
        handler();
    } catch (const std::exception &e) {
        showError(QString::fromUtf8(e.what()));
    } catch (...) {
        showError(QStringLiteral("Unknown failure"));
    }
}

// Connects a signal to a handler of the receiver through guarded().
template <typename Sender, typename Signal, typename Receiver>
QMetaObject::Connection connectGuarded(Sender *sender, Signal signal, Receiver *receiver, void (Receiver::*handler)())
{
    return QObject::connect(sender, signal, receiver, [receiver, handler] { guarded([&] { (receiver->*handler)(); }); });
}
