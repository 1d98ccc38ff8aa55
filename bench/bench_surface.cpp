// The full-size surface operations of an animation tick: 525 x 350 blits between layers and
// onto the window surface, and the composition of the correlation picture.

#include "platform/Gdi.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <memory>

namespace {

constexpr int kWidth = 525;
constexpr int kHeight = 350;

struct Layer
{
    explicit Layer(COLORREF colour)
    {
        bitmap.CreateBitmapIndirect(BITMAP { 0, kWidth, kHeight + 1, 0, 1, 32 });
        dc.CreateCompatibleDC(nullptr);
        dc.SelectObject(&bitmap);
        dc.FillSolidRect(QRect(0, 0, kWidth, kHeight + 1), colour);
    }
    CBitmap bitmap;
    CDC dc;
};

struct Window
{
    Window()
    {
        surface->image = QImage(kWidth, kHeight + 1, QImage::Format_RGB32);
        surface->image.fill(0xFFFFFFFFu);
        dc.AttachWindowSurface(surface, [this](QRect changed) { dirty |= changed; });
    }
    std::shared_ptr<Surface> surface = std::make_shared<Surface>();
    CDC dc;
    QRect dirty;
};

// The floor: one memcpy of the same pixels, no clipping, no rows.
void BM_RawMemcpy(benchmark::State &state)
{
    Layer source(RGB(0, 127, 11));
    Layer target(RGB(255, 255, 255));
    const auto bytes = static_cast<std::size_t>(source.bitmap.image()->bytesPerLine()) * kHeight;
    uchar *into = const_cast<QImage *>(target.dc.image())->bits();
    for (auto _ : state) {
        std::memcpy(into, source.bitmap.image()->constBits(), bytes);
        benchmark::ClobberMemory();
    }
}

void BM_BitBltCopy(benchmark::State &state)
{
    Layer source(RGB(0, 127, 11));
    Layer target(RGB(255, 255, 255));
    for (auto _ : state) {
        target.dc.BitBlt(0, 0, kWidth, kHeight, &source.dc, 0, 0, SRCCOPY);
        benchmark::ClobberMemory();
    }
}

void BM_BitBltAnd(benchmark::State &state)
{
    Layer source(RGB(0, 255, 255));
    Layer target(RGB(255, 0, 255));
    for (auto _ : state) {
        target.dc.BitBlt(0, 0, kWidth, kHeight, &source.dc, 0, 0, SRCAND);
        benchmark::ClobberMemory();
    }
}

// Overlay copied into the composition, the plot layer ANDed onto it, the result to the window.
void BM_Composition(benchmark::State &state)
{
    Layer overlay(RGB(0, 127, 11));
    Layer plot(RGB(255, 0, 0));
    Layer compose(RGB(255, 255, 255));
    Window canvas;
    for (auto _ : state) {
        compose.dc.BitBlt(0, 0, kWidth, kHeight, &overlay.dc, 0, 0, SRCCOPY);
        compose.dc.BitBlt(0, 0, kWidth, kHeight, &plot.dc, 0, 0, SRCAND);
        canvas.dc.BitBlt(0, 0, kWidth, kHeight, &compose.dc, 0, 0, SRCCOPY);
        benchmark::ClobberMemory();
    }
}

void configure(benchmark::internal::Benchmark *b)
{
    b->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
}

} // namespace

BENCHMARK(BM_RawMemcpy)->Apply(configure);
BENCHMARK(BM_BitBltCopy)->Apply(configure);
BENCHMARK(BM_BitBltAnd)->Apply(configure);
BENCHMARK(BM_Composition)->Apply(configure);
