#include "demo/demopictures.h"

#include "demo/demofile.h"
#include "demo/demogame.h"
#include "obdata/generation.h"
#include "pictures/lbmencoder.h"
#include "pictures/picturenames.h"
#include "platform/fileio.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>
#include <system_error>

namespace fs = std::filesystem;

namespace quorvant::demo {
namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 80;
constexpr int kFirstPicture = 1;
constexpr int kLastPicture = 40;

// Sky, ground and a few olive, grey and khaki tones, 4-bit components in the high nibble as old
// paint programs stored them.
constexpr std::array<std::array<std::uint8_t, 3>, 16> kPalette = {{
    {0x00, 0x00, 0x00},
    {0x90, 0xB0, 0xD0},
    {0x70, 0x60, 0x40},
    {0x50, 0x40, 0x30},
    {0x50, 0x60, 0x30},
    {0x30, 0x40, 0x20},
    {0x80, 0x80, 0x80},
    {0x40, 0x40, 0x40},
    {0xB0, 0xA0, 0x70},
    {0x80, 0x70, 0x50},
    {0xE0, 0xC0, 0xA0},
    {0x20, 0x20, 0x20},
    {0xF0, 0xF0, 0xF0},
    {0xA0, 0x30, 0x20},
    {0x60, 0x70, 0x40},
    {0xD0, 0xD0, 0x90},
}};
enum Colour : std::uint8_t {
    Sky = 1,
    Ground = 2,
    Dirt = 3,
    Olive = 4,
    DarkOlive = 5,
    Steel = 6,
    Dark = 7,
    Khaki = 8,
    Brown = 9,
    Skin = 10,
    Black = 11,
    Light = 12
};

class Canvas {
  public:
    Canvas() : pixels_(kWidth * kHeight, Sky) {
        box(0, 62, kWidth, kHeight, Ground);
        box(0, 70, kWidth, kHeight, Dirt);
    }
    void box(int x0, int y0, int x1, int y1, std::uint8_t c) {
        for (int y = std::max(0, y0); y < std::min(kHeight, y1); ++y)
            for (int x = std::max(0, x0); x < std::min(kWidth, x1); ++x) pixels_[y * kWidth + x] = c;
    }
    void disc(int cx, int cy, int r, std::uint8_t c) {
        for (int y = cy - r; y <= cy + r; ++y)
            for (int x = cx - r; x <= cx + r; ++x)
                if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r) box(x, y, x + 1, y + 1, c);
    }
    void line(int x0, int y0, int x1, int y1, int thick, std::uint8_t c) {
        int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
        for (int i = 0; i <= steps; ++i) {
            int x = x0 + (x1 - x0) * i / std::max(steps, 1);
            int y = y0 + (y1 - y0) * i / std::max(steps, 1);
            box(x, y, x + thick, y + thick, c);
        }
    }
    const std::vector<std::uint8_t>& pixels() const { return pixels_; }

  private:
    std::vector<std::uint8_t> pixels_;
};

void Tank(Canvas& c) {
    c.box(30, 44, 130, 58, Olive);
    c.box(24, 54, 136, 66, Dark);
    for (int x = 34; x <= 126; x += 15) c.disc(x, 60, 5, Steel);
    c.box(58, 32, 100, 44, DarkOlive);
    c.line(100, 36, 150, 34, 3, Dark);
}

void Gun(Canvas& c) {
    c.line(40, 62, 80, 46, 3, Brown);
    c.box(70, 40, 100, 52, Steel);
    c.line(98, 44, 150, 30, 3, Dark);
    c.disc(86, 58, 9, Black);
    c.disc(86, 58, 4, Steel);
}

void Truck(Canvas& c) {
    c.box(20, 34, 100, 56, Khaki);
    c.box(100, 40, 134, 56, DarkOlive);
    c.box(106, 42, 120, 50, Light);
    for (int x : {36, 84, 118}) {
        c.disc(x, 60, 8, Black);
        c.disc(x, 60, 3, Steel);
    }
}

void Soldier(Canvas& c) {
    c.disc(80, 20, 6, Skin);
    c.box(72, 12, 88, 16, DarkOlive);
    c.box(72, 27, 88, 46, Olive);
    c.line(74, 46, 70, 64, 4, DarkOlive);
    c.line(84, 46, 90, 64, 4, DarkOlive);
    c.line(62, 30, 104, 26, 2, Brown);
}

} // namespace

bool IsMissingDemoPicture(int number) {
    return number % 9 == 0;
}

std::vector<std::uint8_t> DemoPicture(int number, bool planar) {
    Canvas canvas;
    switch (number % 4) {
    case 0:
        Soldier(canvas);
        break;
    case 1:
        Tank(canvas);
        break;
    case 2:
        Gun(canvas);
        break;
    default:
        Truck(canvas);
        break;
    }
    LbmLayout layout;
    layout.chunky = !planar;
    layout.header = {
        kWidth, kHeight, std::uint8_t(planar ? 4 : 8), 0, std::uint8_t(planar ? 1 : 0), 0, 10, 11, 320, 200};
    for (const auto& c : kPalette) layout.cmap.push_back({c[0], c[1], c[2]});
    return EncodeLbm(layout, canvas.pixels());
}

bool WriteDemoPictures(const fs::path& dir, std::string& error) {
    for (int generation : {kBW1, kBW2, kBW3}) {
        fs::path folder = DemoInstallFolder(dir, generation) / "pic";
        if (!CreateFolders(folder, error)) return false;
        std::vector<PictureNameForm> forms;
        if (generation != kBW2) forms.push_back(PictureNameForm::Short);
        if (generation != kBW1) forms.push_back(PictureNameForm::Long);
        for (int n = kFirstPicture; n <= kLastPicture; ++n) {
            if (IsMissingDemoPicture(n)) continue;
            std::vector<std::uint8_t> bytes = DemoPicture(n, n % 2 == 0);
            std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
            for (PictureNameForm form : forms)
                if (!WriteDemoFile(folder / (PictureName(static_cast<std::uint32_t>(n), form) + ".lbm"), view,
                                   error))
                    return false;
        }
    }
    return true;
}

} // namespace quorvant::demo
