#include "common/Units.h"

#include <cmath>

namespace vevezo {

namespace {
int g_screenPixelsPerInch = 96;
}

int ScreenPixelsPerInch() {
    return g_screenPixelsPerInch;
}

void SetScreenPixelsPerInch(int pixelsPerInch) {
    if (pixelsPerInch > 0) {
        g_screenPixelsPerInch = pixelsPerInch;
    }
}

long double DesignScale() {
    return static_cast<long double>(g_screenPixelsPerInch) / 254.0L;
}

int TenthsMmToPixels(long double tenths) {
    return static_cast<int>(std::nearbyint(tenths * DesignScale()));
}

} // namespace vevezo
