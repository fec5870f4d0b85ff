#pragma once

// The window and the voucher name Windows faces ("MS Sans Serif", "宋体") that Linux lacks.
// Maps them to named stand-ins so that the result does not depend on fontconfig's fallback:
// a Latin face with the original's metrics first, then a face with the Chinese glyphs.
void installFontSubstitutes();
