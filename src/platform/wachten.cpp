#include "platform/wachten.h"

#include <QEventLoop>
#include <QTimer>

namespace platform {

void Wachten(double seconden)
{
    if (seconden <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconden * 1000), &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace platform
