#include "window_core/text_contrast.h"

#include <cmath>

namespace vellumark {

namespace {

double Channel(std::uint32_t colour, int shift) {
    const double value = static_cast<double>((colour >> shift) & 0xFFu) / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(std::uint32_t bgr) {
    return 0.2126 * Channel(bgr, 0) + 0.7152 * Channel(bgr, 8) + 0.0722 * Channel(bgr, 16);
}

// `from` moved `step` twentieths of the way to `to`, channel by channel.
std::uint32_t Mix(std::uint32_t from, std::uint32_t to, std::uint32_t step) {
    constexpr std::uint32_t kSteps = 20;
    std::uint32_t mixed = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const std::uint32_t a = (from >> shift) & 0xFFu;
        const std::uint32_t b = (to >> shift) & 0xFFu;
        const std::uint32_t channel =
            b >= a ? a + (b - a) * step / kSteps : a - (a - b) * step / kSteps;
        mixed |= channel << shift;
    }
    return mixed;
}

}  // namespace

double ContrastRatio(std::uint32_t a, std::uint32_t b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return la > lb ? (la + 0.05) / (lb + 0.05) : (lb + 0.05) / (la + 0.05);
}

bool Reads(std::uint32_t colour, std::uint32_t background) {
    return ContrastRatio(colour, background) >= kReadableContrast;
}

std::uint32_t ModeTextColour(std::uint32_t background, std::uint32_t text, std::uint32_t window) {
    if (Luminance(text) < Luminance(window)) {
        return text;
    }
    return ContrastRatio(kBlack, background) >= ContrastRatio(kWhite, background) ? kBlack
                                                                                   : kWhite;
}

std::uint32_t ReadableColour(std::uint32_t background, std::uint32_t colour) {
    // One of black and white always reads: their ratios multiply to 21 at every background.
    const std::uint32_t towards =
        ContrastRatio(kWhite, background) >= ContrastRatio(kBlack, background) ? kWhite : kBlack;
    std::uint32_t mixed = colour;
    for (std::uint32_t step = 1; !Reads(mixed, background); ++step) {
        mixed = Mix(colour, towards, step);
    }
    return mixed;
}

std::uint32_t LinkColour(std::uint32_t background, std::uint32_t designed, std::uint32_t link) {
    return Reads(designed, background) ? designed : ReadableColour(background, link);
}

}  // namespace vellumark
