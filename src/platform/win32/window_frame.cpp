// Frame metrics of the platform's classic window frame, as measured under Wine: a
// WS_OVERLAPPEDWINDOW window of 1024 x 768 has a 1016 x 741 client area.
#include "window_frame.h"

#include <algorithm>

namespace {

constexpr LONG kCaptionHeight = 19;
constexpr LONG kThickFrame = 4; // resizable frame with a border line
constexpr LONG kPlainThickFrame = 3;
constexpr LONG kDialogFrame = 3;
constexpr LONG kBorder = 1;
constexpr LONG kMinTrackWidth = 112;

bool HasCaption(DWORD style) {
    return (style & WS_CAPTION) == WS_CAPTION;
}

LONG FrameWidth(DWORD style) {
    if (style & WS_THICKFRAME) {
        return (style & WS_BORDER) ? kThickFrame : kPlainThickFrame;
    }
    if (style & WS_DLGFRAME) {
        return kDialogFrame;
    }
    return (style & WS_BORDER) ? kBorder : 0;
}

} // namespace

BOOL WINAPI AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL /*menu*/, DWORD /*exStyle*/) {
    if (rect == nullptr) {
        return FALSE;
    }
    const LONG frame = FrameWidth(style);
    rect->left -= frame;
    rect->top -= frame + (HasCaption(style) ? kCaptionHeight : 0);
    rect->right += frame;
    rect->bottom += frame;
    return TRUE;
}

namespace win32 {

RECT ClientRectOfNewWindow(DWORD style, DWORD exStyle, int x, int y, int width, int height) {
    if ((style & (WS_POPUP | WS_CHILD)) == 0) {
        style |= WS_CAPTION;
    }
    RECT insets = {0, 0, 0, 0};
    AdjustWindowRectEx(&insets, style, FALSE, exStyle);
    LONG outerWidth = std::max(width, 0);
    const LONG outerHeight = std::max(height, 0);
    if (HasCaption(style)) {
        outerWidth = std::max(outerWidth, kMinTrackWidth);
    }
    RECT client;
    client.left = x - insets.left;
    client.top = y - insets.top;
    client.right = client.left + std::max<LONG>(outerWidth - (insets.right - insets.left), 0);
    client.bottom = client.top + std::max<LONG>(outerHeight - (insets.bottom - insets.top), 0);
    return client;
}

} // namespace win32
