#pragma once

namespace vevezo {

// The base resolution of design pixels: the screen's logical pixels per inch (96 unless a host
// sets another). Element geometry is held in these pixels.
int ScreenPixelsPerInch();
void SetScreenPixelsPerInch(int pixelsPerInch);

// Design pixels per tenth of a millimetre at the base resolution.
long double DesignScale();

// Tenths of a millimetre to design pixels, rounded to nearest with ties to even.
int TenthsMmToPixels(long double tenths);

} // namespace vevezo
