#pragma once
// Which colours the windows draw text in where a colour scheme meets the designs' fixed
// colours: the green mode labels and the blue address. A light scheme keeps the designs'
// look exactly; a dark one gets text that reads, at a contrast ratio of at least 4.5:1.
// Colours are 0x00BBGGRR, the layout of the designs and of Windows' COLORREF.

#include <cstdint>

namespace vellumark {

inline constexpr std::uint32_t BgrOf(int red, int green, int blue) {
    return static_cast<std::uint32_t>(red) | static_cast<std::uint32_t>(green) << 8 |
           static_cast<std::uint32_t>(blue) << 16;
}

// The address of the about box: pure blue.
inline constexpr std::uint32_t kAddressColour = 0xFF0000;
inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;

// The least contrast at which text of ordinary size reads (WCAG 2, level AA).
inline constexpr double kReadableContrast = 4.5;

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white), as WCAG 2
// defines it from their relative luminances in sRGB.
double ContrastRatio(std::uint32_t a, std::uint32_t b);

// Whether text in `colour` reads on `background`.
bool Reads(std::uint32_t colour, std::uint32_t background);

// The text of a mode label on its fixed green `background`, under a scheme (a palette, or
// Windows' system colours) whose text is `text` on `window`. A light scheme draws it in its
// own dark text, as the design was drawn; under a dark one it is black or white, whichever
// reads better (a dark scheme's light grey may just reach 4.5:1 on the dark green, which
// antialiased strokes then miss).
std::uint32_t ModeTextColour(std::uint32_t background, std::uint32_t text, std::uint32_t window);

// `colour` where it reads on `background`; else `colour` moved towards white (on a dark
// background) or black (on a light one), just as far as it takes to read.
std::uint32_t ReadableColour(std::uint32_t background, std::uint32_t colour);

// A link on `background`: the design's colour `designed` where it reads, else the scheme's
// own `link`, made readable as ReadableColour does.
std::uint32_t LinkColour(std::uint32_t background, std::uint32_t designed, std::uint32_t link);

}  // namespace vellumark
