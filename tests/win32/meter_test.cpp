// The gradient meter painted into a memory device context, pixel by pixel.
#include <gtest/gtest.h>

#include <cstdint>

#include "measure/Percent.h"
#include "tests/win32/Support.h"
#include "ui/MeterCtrl.h"

namespace {

const int kWidth = 210;
const int kHeight = 16;
const COLORREF kMarker = RGB(1, 2, 3);

// A bitmap the meter paints into, filled with a marker colour first.
class MemoryCanvas : public CMemDC {
public:
    explicit MemoryCanvas(int width = kWidth) : CMemDC(Screen(), width, kHeight)
    {
        const RECT all = {0, 0, width, kHeight};
        FillSolidRect(all, kMarker);
    }
    COLORREF At(int x, int y = kHeight / 2) const { return ::GetPixel(m_hDC, x, y); }

private:
    static HDC Screen()
    {
        static HDC screen = ::GetDC(nullptr);
        return screen;
    }
};

// A meter on a progress bar of its own, never shown, painted into a canvas
// as a window printed there is.
class TestMeter {
public:
    explicit TestMeter(int pos, int width = kWidth)
        : m_window(::CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr))
    {
        // Without the edge the control gives itself, the client area is the window.
        ::SetWindowLongW(m_window, GWL_EXSTYLE, 0);
        Resize(width);
        meter.SubclassWindow(m_window);
        // The processor meter's look: green to red, blue text.
        meter.SetLook(RGB(0, 255, 0), RGB(255, 0, 0), RGB(0, 0, 255), true);
        meter.SetPos(pos);
    }
    ~TestMeter() { ::DestroyWindow(m_window); }
    void Resize(int width) const
    {
        ::SetWindowPos(m_window, nullptr, 0, 0, width, kHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
    void PaintInto(const MemoryCanvas& canvas) const
    {
        meter.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.m_hDC), PRF_CLIENT);
    }

    CMeterCtrl meter;

private:
    HWND m_window;
};

}  // namespace

TEST(MeterPaint, TheUnfilledPartShowsTheButtonFaceFollowingTheSystemsColours)
{
    TestMeter test(50);
    // The main window hands the change on; the meter takes the new colour.
    const int element = COLOR_BTNFACE;
    const COLORREF saved = ::GetSysColor(element);
    const COLORREF changed = RGB(10, 20, 30);
    ::SetSysColors(1, &element, &changed);
    test.meter.OnSysColorChange();
    ::SetSysColors(1, &element, &saved);
    MemoryCanvas canvas;
    // The bar runs to the first band edge past the filled width (105), 106.
    test.PaintInto(canvas);
    EXPECT_NE(changed, canvas.At(105));
    EXPECT_EQ(changed, canvas.At(106));
    EXPECT_EQ(changed, canvas.At(kWidth - 1, kHeight - 1));
}

TEST(MeterPaint, OutOfRangePositionsShowButtonFaceOnly)
{
    for (int pos : {101, -1, 1000}) {
        TestMeter test(pos);
        test.meter.Show(pos, "42%");  // a text, not drawn
        MemoryCanvas canvas;
        test.PaintInto(canvas);
        for (int x = 0; x < kWidth; x += 7) {
            for (int y = 0; y < kHeight; y += 3) {
                ASSERT_EQ(::GetSysColor(COLOR_BTNFACE), canvas.At(x, y)) << pos << " at " << x << "," << y;
            }
        }
    }
}

TEST(MeterPaint, PercentTextIsDrawnCentredInTheTextColour)
{
    const struct {
        bool showPercent;
        bool text;
    } cases[] = {{true, true}, {false, false}};
    for (const auto& c : cases) {
        TestMeter test(100);
        test.meter.SetLook(RGB(0, 255, 0), RGB(255, 0, 0), RGB(0, 0, 255), c.showPercent);
        test.meter.Show(100, "100%");
        MemoryCanvas canvas;
        test.PaintInto(canvas);
        int textPixels = 0, leftThird = 0;
        for (int x = 0; x < kWidth; ++x) {
            for (int y = 0; y < kHeight; ++y) {
                if (canvas.At(x, y) == RGB(0, 0, 255)) {
                    ++textPixels;
                    leftThird += x < kWidth / 3 ? 1 : 0;
                }
            }
        }
        EXPECT_EQ(c.text, textPixels > 10) << textPixels;
        EXPECT_EQ(0, leftThird);
    }
}

TEST(MeterPaint, OnlyTheClipBoxIsCopied)
{
    const TestMeter test(100);
    MemoryCanvas canvas;
    ::IntersectClipRect(canvas.m_hDC, 50, 0, 80, kHeight);
    test.PaintInto(canvas);
    EXPECT_EQ(kMarker, canvas.At(49));
    EXPECT_NE(kMarker, canvas.At(50));
    EXPECT_NE(kMarker, canvas.At(79));
    EXPECT_EQ(kMarker, canvas.At(80));
    EXPECT_EQ(kMarker, canvas.At(0));
    // Inside the clip box the bar sits at the same place as unclipped.
    MemoryCanvas whole;
    test.PaintInto(whole);
    EXPECT_EQ(whole.At(60), canvas.At(60));
}

TEST(MeterPaint, TheGradientBitmapIsBuiltOncePerSizeAndFreedWithTheMeter)
{
    HBITMAP first = nullptr;
    HBITMAP second = nullptr;
    {
        TestMeter test(60);
        MemoryCanvas canvas(300);
        test.PaintInto(canvas);
        first = test.meter.GradientBitmap();
        ASSERT_EQ(static_cast<DWORD>(OBJ_BITMAP), ::GetObjectType(first));
        test.meter.SetPos(20);
        test.PaintInto(canvas);
        EXPECT_EQ(first, test.meter.GradientBitmap()) << "a new position reuses the gradient";

        test.Resize(300);
        test.PaintInto(canvas);
        second = test.meter.GradientBitmap();
        EXPECT_NE(first, second);
        EXPECT_EQ(0u, ::GetObjectType(first)) << "the gradient of the old size is freed";
    }
    EXPECT_EQ(0u, ::GetObjectType(second)) << "and the last one with the meter";
}

// The gradient is kept between paints: a meter of a new size or new
// colours must paint as a meter that never painted before.
TEST(MeterPaint, AResizedOrRecolouredMeterPaintsAsANewOne)
{
    const int wider = 300;
    const struct {
        const char* change;
        int width;
        COLORREF start;
    } cases[] = {
        {"wider", wider, RGB(0, 255, 0)},
        {"new colours", kWidth, RGB(0, 0, 255)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        TestMeter test(100);
        MemoryCanvas before(wider);
        test.PaintInto(before);

        test.meter.SetLook(c.start, RGB(255, 0, 0), RGB(0, 0, 255), true);
        test.Resize(c.width);
        MemoryCanvas after(wider);
        test.PaintInto(after);

        TestMeter fresh(100, c.width);
        fresh.meter.SetLook(c.start, RGB(255, 0, 0), RGB(0, 0, 255), true);
        MemoryCanvas expected(wider);
        fresh.PaintInto(expected);
        for (int x = 0; x < wider; ++x)
            ASSERT_EQ(expected.At(x), after.At(x)) << "x " << x;
    }
}

namespace {

// FNV-1a over the colours of one full-width row.
std::uint32_t RowHash(const MemoryCanvas& canvas, int width)
{
    std::uint32_t hash = 2166136261u;
    for (int x = 0; x < width; ++x) {
        hash ^= canvas.At(x);
        hash *= 16777619u;
    }
    return hash;
}

}  // namespace

// The shipped programs must compute as the tested code does: the 32-bit
// build once did its floating point on the x87 unit with extra precision,
// and its colours and percentages differed.
TEST(MeterPaint, ColoursAndPercentagesEqualTheNativeComputation)
{
    EXPECT_EQ(28, CPercent().Calc(29, 100));  // 0.29 * 100 lies just below 29
    // The memory-load meter, white to dark red, full: row hashes as the
    // native (SSE) build of the gradient arithmetic paints them.
    const struct {
        int width;
        std::uint32_t hash;
    } cases[] = {{131, 0x8de672ccu}, {262, 0x20b25a5fu}, {393, 0x785aabf2u}};
    for (const auto& c : cases) {
        TestMeter test(100, c.width);
        test.meter.SetLook(RGB(255, 255, 255), RGB(160, 10, 0), RGB(255, 238, 0), false);
        MemoryCanvas canvas(c.width);
        test.PaintInto(canvas);
        EXPECT_EQ(c.hash, RowHash(canvas, c.width)) << c.width;
    }
}
