#include "logo/gereedschap.h"

Gereedschappen MaakGereedschappen()
{
    return {nullptr,          MaakVrijeLijn(),  MaakRechteLijn(), MaakRechthoek(false), MaakRechthoek(true),
            MaakEllips(false), MaakEllips(true), MaakVlakVuller(), MaakSpray(),          MaakGum(),
            MaakKleurPipet(), MaakKleurCirkels(), MaakFotoVlak()};
}
