#include "ui/UnitMavlo.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/mainicon.png")));

    TFormMavlo FormMavlo;
    FormMavlo.show();
    return QApplication::exec();
}
