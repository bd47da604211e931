// The calculator window moved to screens of other scales, as Windows tells it with
// WM_DPICHANGED: the window takes the rectangle suggested, and its picture (46 x 52 at 96 DPI)
// the size for the new DPI, made from the original bitmap each time and the original itself
// again at 96 DPI. Renditions replaced are deleted, and the original with the window.
#include "calculator_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct DpiRow {
    UINT dpi;
    RECT suggested;
};
const DpiRow kRows[] = {
    {144, {40, 30, 540, 520}}, {192, {10, 20, 690, 700}}, {120, {50, 60, 470, 480}},
    {96, {0, 0, 360, 380}},    {144, {70, 10, 570, 500}},
};

HWND PictureOf(HWND hDlg) {
    for (HWND child = ::GetWindow(hDlg, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if ((::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP) {
            return child;
        }
    }
    return nullptr;
}

HBITMAP BitmapOf(HWND picture) {
    return reinterpret_cast<HBITMAP>(::SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
}

// "WIDTH x HEIGHT" of a bitmap, "none" for a handle that is no bitmap (or no longer one).
std::string SizeOf(HBITMAP bitmap) {
    BITMAP info{};
    if (::GetObjectW(bitmap, sizeof info, &info) == 0) {
        return "none";
    }
    return std::to_string(info.bmWidth) + " x " + std::to_string(info.bmHeight);
}

std::vector<LONG> Corners(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

std::string SizeAt(UINT dpi) {
    return std::to_string(::MulDiv(46, int(dpi), 96)) + " x " +
           std::to_string(::MulDiv(52, int(dpi), 96));
}

TEST(DpiChange, ResizesTheWindowAndRescalesThePictureFromItsOriginal) {
    CCalculatorDialog dialog;
    ASSERT_TRUE(dialog.Create());
    const HWND window = dialog.m_hWnd;
    const HWND picture = PictureOf(window);
    ASSERT_NE(picture, nullptr);
    const HBITMAP original = BitmapOf(picture);
    ASSERT_EQ(SizeOf(original), SizeAt(96)); // the prefix is at 96 DPI

    HBITMAP shown = original;
    for (const DpiRow& row : kRows) {
        SCOPED_TRACE(testing::Message() << "at " << row.dpi << " DPI");
        RECT suggested = row.suggested;
        ::SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(row.dpi, row.dpi),
                       reinterpret_cast<LPARAM>(&suggested));
        RECT rect{};
        ::GetWindowRect(window, &rect);
        EXPECT_EQ(Corners(rect), Corners(row.suggested));
        const HBITMAP previous = shown;
        shown = BitmapOf(picture);
        EXPECT_EQ(SizeOf(shown), SizeAt(row.dpi));
        EXPECT_EQ(shown == original, row.dpi == 96);
        if (previous != original) {
            EXPECT_EQ(SizeOf(previous), "none"); // the rendition replaced is deleted
        }
    }

    dialog.EndDialog(IDCANCEL);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_EQ(SizeOf(shown), "none");
    EXPECT_EQ(SizeOf(original), "none");
}

} // namespace
