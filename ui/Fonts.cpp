#include "ui/Fonts.h"

#include <QFont>
#include <QStringList>

void installFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("WenQuanYi Micro Hei")});
    QFont::insertSubstitutions(QStringLiteral("宋体"),
                               QStringList{QStringLiteral("AR PL UMing CN"), QStringLiteral("WenQuanYi Micro Hei")});
}
