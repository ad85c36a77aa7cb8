#include "ui/common/pagina_font.h"

QFont PaginaFont(double punten)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(punten);
    return font;
}
