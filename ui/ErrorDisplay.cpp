#include "ui/ErrorDisplay.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

QString programTitle(const QString &executablePath)
{
    const QString name = QFileInfo(executablePath).fileName();
    const QString stem = name.left(name.indexOf(u'.'));
    if (stem.isEmpty())
        return stem;
    return stem.left(1) + stem.mid(1).toLower();
}

QString programTitle()
{
    return programTitle(QCoreApplication::applicationFilePath());
}

QString displayedMessage(const QString &message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}

QMessageBox *makeErrorBox(const QString &message, QWidget *parent)
{
    auto *box = new QMessageBox(QMessageBox::Critical, programTitle(), displayedMessage(message), QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    return box;
}

void showError(const QString &message)
{
    makeErrorBox(message, QApplication::activeWindow())->exec();
}
