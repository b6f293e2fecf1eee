#pragma once
// Closing a window safely on Wayland. Qt 6.4 takes the compositor's word that a frame is done
// on a thread of its own, and a window hidden or destroyed while that word is on its way has
// its frame callback destroyed twice: libwayland aborts the program
// (wl_proxy_unref: Assertion 'proxy->refcount > 0' failed), and a text typed and not yet
// copied is lost.

#include <chrono>

class QWidget;

namespace vellumark {

// How long a closing window waits for the compositor at most: a frame is done within a few
// hundredths of a second, and a compositor that draws the window no more (it is on another
// workspace, say) never answers, so the window then closes regardless.
inline constexpr std::chrono::milliseconds kLastFrameWait{1000};

// Returns once the last frame of `window`, a top-level window, is done, or after `bound`;
// at once for a window that is not shown, and off Wayland. Input waits meanwhile, so the
// window takes no more keys or clicks while it closes. Call it just before hiding or
// destroying the window.
void LetFramesSettle(QWidget& window, std::chrono::milliseconds bound = kLastFrameWait);

}  // namespace vellumark
