#include "window_core/about_placement.h"

namespace vellumark {

float CentredEdge(float own, float mainEdge, float mainSize) {
    const float difference = mainSize - own;
    const float half = difference / 2.0f;
    return half + mainEdge;
}

PixelPoint CentredPlace(const PixelRect& main, int boxWidth, int boxHeight) {
    const auto twips = [](int pixels) {
        return static_cast<float>(pixels) * static_cast<float>(kTwipsPerPixel);
    };
    // The box's own size first, then the main window's edge and size, as the load read them.
    const float left = CentredEdge(twips(boxWidth), twips(main.left), twips(main.width));
    const float top = CentredEdge(twips(boxHeight), twips(main.top), twips(main.height));
    return {TwipsToPixels(left), TwipsToPixels(top)};
}

}  // namespace vellumark
