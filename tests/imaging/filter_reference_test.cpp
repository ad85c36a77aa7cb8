// Holds the filters against a second, deliberately plain evaluation of their
// formulas on random images: 1-based indices (channel, x, y) as the filter
// descriptions write them, std::nearbyint for rounding, one loop per step.

#include "imaging/filter_engine.h"
#include "imaging_test_support.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <random>
#include <vector>

namespace imaging {
namespace {

// A plain array A(k, x, y), k = 1..4 (blue, green, red, reserved).
struct Plain {
    int W = 0, H = 0;
    std::vector<long long> a;

    explicit Plain(const Pixels& p) : W(p.Width()), H(p.Height()), a(static_cast<std::size_t>(W) * H * 4)
    {
        for (int y = 1; y <= H; ++y)
            for (int x = 1; x <= W; ++x)
                for (int k = 1; k <= 4; ++k) A(k, x, y) = p.Pixel(x - 1, y - 1)[k - 1];
    }
    long long& A(int k, int x, int y) { return a[((static_cast<std::size_t>(y) - 1) * W + (x - 1)) * 4 + (k - 1)]; }
    Pixels AlsPixels()
    {
        Pixels p(W, H);
        for (int y = 1; y <= H; ++y)
            for (int x = 1; x <= W; ++x)
                for (int k = 1; k <= 4; ++k) p.Pixel(x - 1, y - 1)[k - 1] = static_cast<std::uint8_t>(A(k, x, y));
        return p;
    }
};

long long Clamp(long long v)
{
    return v < 0 ? 0 : v > 255 ? 255 : v;
}

long long Round(double v)
{
    EXPECT_EQ(std::fegetround(), FE_TONEAREST);
    return static_cast<long long>(std::nearbyint(v));
}

long long Grey(Plain& p, int x, int y)
{
    return (p.A(1, x, y) + p.A(2, x, y) + p.A(3, x, y)) / 3;
}

long long MeanGrey(Plain& p)
{
    long long sum = 0;
    for (int y = 1; y <= p.H; ++y)
        for (int x = 1; x <= p.W; ++x) sum += Grey(p, x, y);
    return sum / (static_cast<long long>(p.W) * p.H);
}

// C and S of one channel, read from `from` (the image itself when in place).
long long S(Plain& from, int k, int x, int y)
{
    long long s = 0;
    for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i)
            if (i || j) s += from.A(k, x + i, y + j);
    return s;
}

enum class Mode { InPlace, FromCopy };

template <class F>
Plain Neighbourhood(const Pixels& in, Mode mode, F formula)
{
    Plain pix(in), copy(in);
    Plain& from = mode == Mode::InPlace ? pix : copy;
    for (int y = 2; y <= pix.H - 1; ++y)
        for (int x = 2; x <= pix.W - 1; ++x) {
            long long v[4];
            for (int k = 1; k <= 3; ++k) v[k] = formula(from, k, x, y);
            for (int k = 1; k <= 3; ++k) pix.A(k, x, y) = v[k];
        }
    return pix;
}

Plain RefSharpen(const Pixels& in)
{
    return Neighbourhood(in, Mode::InPlace, [](Plain& f, int k, int x, int y) {
        return Clamp((34 * f.A(k, x, y) - 2 * S(f, k, x, y)) / 18);
    });
}

Plain RefBlur(const Pixels& in)
{
    return Neighbourhood(in, Mode::InPlace, [](Plain& f, int k, int x, int y) { return S(f, k, x, y) / 8; });
}

Plain RefEdge(const Pixels& in)
{
    return Neighbourhood(in, Mode::InPlace, [](Plain& f, int k, int x, int y) {
        return Clamp((10 * f.A(k, x, y) - S(f, k, x, y)) / 2);
    });
}

Plain RefContour(const Pixels& in, long long r, long long g, long long b)
{
    return Neighbourhood(in, Mode::FromCopy, [&](Plain& f, int k, int x, int y) {
        const long long add = k == 1 ? b : k == 2 ? g : r;
        return Clamp(8 * f.A(k, x, y) - S(f, k, x, y) + add);
    });
}

Plain RefRelief(const Pixels& in)
{
    return Neighbourhood(in, Mode::FromCopy, [](Plain& f, int k, int x, int y) {
        const long long sum = 2 * f.A(k, x - 1, y - 1) + f.A(k, x, y - 1) + f.A(k, x - 1, y) + f.A(k, x, y) -
                              f.A(k, x + 1, y) - f.A(k, x, y + 1) - 2 * f.A(k, x + 1, y + 1);
        return Clamp(sum / 2 + 50);
    });
}

Plain RefNegativeGray(const Pixels& in, bool gray)
{
    Plain p(in);
    for (int y = 1; y <= p.H; ++y)
        for (int x = 1; x <= p.W; ++x) {
            const long long g = Grey(p, x, y);
            for (int k = 1; k <= 3; ++k) p.A(k, x, y) = gray ? g : 255 - p.A(k, x, y);
        }
    return p;
}

Plain RefLightDark(const Pixels& in, int param)
{
    Plain p(in);
    const float f = (param + 100) / 100.0f;
    for (int y = 1; y <= p.H; ++y)
        for (int x = 1; x <= p.W; ++x)
            for (int k = 1; k <= 3; ++k) p.A(k, x, y) = Clamp(Round(static_cast<double>(f) * p.A(k, x, y)));
    return p;
}

Plain RefPixelize(const Pixels& in, int n)
{
    Plain p(in), copy(in);
    for (int by = 1; by <= p.H; by += n)
        for (int bx = 1; bx <= p.W; bx += n)
            for (int k = 1; k <= 3; ++k) {
                long long sum = 0, count = 0;
                for (int y = by; y < by + n && y <= p.H; ++y)
                    for (int x = bx; x < bx + n && x <= p.W; ++x) sum += copy.A(k, x, y), ++count;
                for (int y = by; y < by + n && y <= p.H; ++y)
                    for (int x = bx; x < bx + n && x <= p.W; ++x) p.A(k, x, y) = sum / count;
            }
    return p;
}

Plain RefSwap(const Pixels& in, int m)
{
    Plain p(in);
    for (int y = 1; y <= p.H; ++y)
        for (int x = 1; x <= p.W; ++x) {
            const long long b = p.A(1, x, y), g = p.A(2, x, y), r = p.A(3, x, y);
            long long nr = r, ng = g, nb = b;
            if (m == 1) nr = b, ng = r, nb = g;
            if (m == 2) nr = g, ng = b, nb = r;
            if (m == 3) nr = r, ng = b, nb = g;
            if (m == 4) nr = b, ng = g, nb = r;
            if (m == 5) nr = g, ng = r, nb = b;
            p.A(1, x, y) = nb, p.A(2, x, y) = ng, p.A(3, x, y) = nr;
        }
    return p;
}

Plain RefContrast(const Pixels& in, int param)
{
    Plain p(in);
    const long long mean = MeanGrey(p);
    const float f = (param + 100) / 100.0f;
    long long T[256];
    for (int i = 0; i < 256; ++i) T[i] = Round((i - mean) * static_cast<double>(f) + mean);
    for (int y = 1; y <= p.H; ++y)
        for (int x = 1; x <= p.W; ++x) {
            long long v[3] = {T[p.A(1, x, y)], T[p.A(2, x, y)], T[p.A(3, x, y)]};
            auto outside = [&] {
                return v[0] < 0 || v[0] > 255 || v[1] < 0 || v[1] > 255 || v[2] < 0 || v[2] > 255;
            };
            while (outside()) {
                if (v[0] <= 0 && v[1] <= 0 && v[2] <= 0) {
                    v[0] = v[1] = v[2] = 0;
                } else if (v[0] >= 255 && v[1] >= 255 && v[2] >= 255) {
                    v[0] = v[1] = v[2] = 255;
                } else {
                    for (int i = 0; i < 3; ++i) {
                        long long e;
                        if (v[i] > 255) {
                            e = (v[i] - 255) / 2;
                            v[i] = 255;
                        } else if (v[i] < 0) {
                            e = v[i] / 2;
                            v[i] = 0;
                        } else {
                            continue;
                        }
                        v[(i + 1) % 3] += e;
                        v[(i + 2) % 3] += e;
                    }
                }
            }
            for (int k = 1; k <= 3; ++k) p.A(k, x, y) = v[k - 1];
        }
    return p;
}

Plain RefScattered(const Pixels& in, int param)
{
    Plain p(in), copy(in);
    const int W = p.W, H = p.H;
    long long k[13][511];
    for (int e = -255; e <= 255; ++e) {
        const int i = e + 255;
        k[1][i] = 8 * e / 42, k[2][i] = 4 * e / 42, k[3][i] = 2 * e / 42, k[4][i] = 4 * e / 42;
        k[5][i] = 8 * e / 42, k[6][i] = 4 * e / 42, k[7][i] = 2 * e / 42, k[8][i] = e / 42;
        k[9][i] = 2 * e / 42, k[10][i] = 4 * e / 42, k[11][i] = 2 * e / 42, k[12][i] = e / 42;
    }
    std::vector<long long> err1(W + 3), err2(W + 3), err3(W + 3);
    const long long mean = MeanGrey(copy);
    for (int y = 1; y <= H; ++y) {
        for (int x = 1; x <= W; ++x) {
            const long long v = Clamp(Grey(copy, x, y) + err1[x] * 10 / param);
            const long long out = v < mean ? 0 : 255;
            for (int c = 1; c <= 3; ++c) p.A(c, x, y) = out;
            const int e = static_cast<int>(v - out) + 255;
            if (x < W) err1[x + 1] += k[1][e];
            if (x < W - 1) err1[x + 2] += k[2][e];
            if (y < H) {
                if (x > 2) err2[x - 2] += k[3][e];
                if (x > 1) err2[x - 1] += k[4][e];
                err2[x] += k[5][e];
                if (x < W) err2[x + 1] += k[6][e];
                if (x < W - 1) err2[x + 2] += k[7][e];
            }
            if (y < H - 1) {
                if (x > 2) err3[x - 2] += k[8][e];
                if (x > 1) err3[x - 1] += k[9][e];
                err3[x] += k[10][e];
                if (x < W) err3[x + 1] += k[11][e];
                if (x < W - 1) err3[x + 2] += k[12][e];
            }
        }
        err1 = err2;
        err2 = err3;
        std::fill(err3.begin(), err3.end(), 0);
    }
    return p;
}

Plain RefAquarel(const Pixels& in)
{
    Plain p(in), copy(in);
    const int left[4] = {-2, 0, -2, 0}, top[4] = {-2, -2, 0, 0};
    for (int y = 3; y <= p.H - 2; ++y)
        for (int x = 3; x <= p.W - 2; ++x)
            for (int k = 1; k <= 3; ++k) {
                long long best = 99999, bestMean = 0;
                for (int q = 0; q < 4; ++q) {
                    long long sum = 0;
                    for (int j = 0; j < 3; ++j)
                        for (int i = 0; i < 3; ++i) sum += copy.A(k, x + left[q] + i, y + top[q] + j);
                    const long long m = sum / 9;
                    long long d = 0;
                    for (int j = 0; j < 3; ++j)
                        for (int i = 0; i < 3; ++i) d += std::llabs(copy.A(k, x + left[q] + i, y + top[q] + j) - m);
                    if (d < best) best = d, bestMean = m;
                }
                p.A(k, x, y) = bestMean;
            }
    return p;
}

Plain RefDefuse(const Pixels& in, int param, std::mt19937& gen)
{
    Plain p(in);
    const long long h = Round(param / 2.0);
    auto rnd = [&] { return gen() / 4294967296.0; };
    for (int y = 1; y <= p.H; ++y)
        for (int x = 1; x <= p.W; ++x) {
            long long dx = Round(rnd() * param - h);
            long long dy = Round(rnd() * param - h);
            if (x + dx < 1 || x + dx > p.W) dx = 0;
            if (y + dy < 1 || y + dy > p.H) dy = 0;
            for (int k = 1; k <= 3; ++k) p.A(k, x, y) = p.A(k, static_cast<int>(x + dx), static_cast<int>(y + dy));
        }
    return p;
}

Plain RefNoise(const Pixels& in, int param, std::mt19937& gen)
{
    Plain p(in), copy(in);
    for (int y = 1; y <= p.H; ++y)
        for (int x = 1; x <= p.W; ++x)
            for (int k = 1; k <= 3; ++k) {
                const double r = gen() / 4294967296.0;
                p.A(k, x, y) = Clamp(Round(r * (2 * param + 1) - param + copy.A(k, x, y)));
            }
    return p;
}

Toeval Seeded(unsigned seed)
{
    return [gen = std::mt19937(seed)]() mutable { return gen() / 4294967296.0; };
}

// Counts differing bytes so a failure says how far off a filter is.
int Differences(const Pixels& a, const Pixels& b)
{
    int n = 0;
    for (std::size_t i = 0; i < a.ByteCount(); ++i) n += a.Data()[i] != b.Data()[i];
    return n;
}

TEST(FilterReference, FiltersMatchAPlainEvaluationOfTheirFormulas)
{
    struct Size {
        int w, h;
    } sizes[] = {{41, 23}, {7, 5}, {625, 125}};
    for (const auto& size : sizes) {
        const Pixels image = testhulp::Willekeurig(size.w, size.h, static_cast<unsigned>(size.w * 1000 + size.h));
        struct Case {
            const char* name;
            int nr;
            int param;
            Plain expected;
        } cases[] = {
            {"Sharpen", Sharpen, 10, RefSharpen(image)},
            {"Blur", Blur, 0, RefBlur(image)},
            {"Edge", Edge, 1, RefEdge(image)},
            {"Contour white", Contour, 16777215, RefContour(image, 255, 255, 255)},
            {"Contour mixed", Contour, 0x204060, RefContour(image, 0x60, 0x40, 0x20)},
            {"Relief", Relief, 0, RefRelief(image)},
            {"Negative", Negative, 0, RefNegativeGray(image, false)},
            {"Grayscale", Grayscale, 0, RefNegativeGray(image, true)},
            {"Light", LightDark, 4, RefLightDark(image, 4)},
            {"Dark", LightDark, -4, RefLightDark(image, -4)},
            {"Pixelize", Pixelize, 3, RefPixelize(image, 3)},
            {"Pixelize 4", Pixelize, 4, RefPixelize(image, 4)},
            {"Swap 1", SwapColors, 1, RefSwap(image, 1)},
            {"Swap 2", SwapColors, 2, RefSwap(image, 2)},
            {"Swap 3", SwapColors, 3, RefSwap(image, 3)},
            {"Swap 4", SwapColors, 4, RefSwap(image, 4)},
            {"Swap 5", SwapColors, 5, RefSwap(image, 5)},
            {"Contrast +", Contrast, 10, RefContrast(image, 10)},
            {"Contrast -", Contrast, -10, RefContrast(image, -10)},
            {"Contrast +60", Contrast, 60, RefContrast(image, 60)},
            {"Scattered", Scattered, 15, RefScattered(image, 15)},
            {"Aquarel", Aquarel, 0, RefAquarel(image)},
        };
        for (auto& c : cases)
            EXPECT_EQ(Differences(testhulp::Gefilterd(c.nr, image, c.param), c.expected.AlsPixels()), 0)
                << c.name << " on " << size.w << " x " << size.h;

        std::mt19937 defuseGen(7), noiseGen(8);
        EXPECT_EQ(Differences(testhulp::Gefilterd(Defuse, image, 6, Seeded(7)), RefDefuse(image, 6, defuseGen).AlsPixels()), 0);
        EXPECT_EQ(Differences(testhulp::Gefilterd(AddNoise, image, 50, Seeded(8)), RefNoise(image, 50, noiseGen).AlsPixels()), 0);
    }
}

}  // namespace
}  // namespace imaging
