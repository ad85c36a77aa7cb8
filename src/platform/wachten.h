#pragma once

namespace platform {

// Waits while window events go on; the processor idles meanwhile.
void Wachten(double seconden);

}
