#include "win32/icons.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <set>
#include <span>
#include <vector>

#include "test_windows.h"
#include "tests/win32/icon_files.h"
#include "win32/system_shell.h"

namespace tarnwick::win32 {
namespace {

using Bytes = std::span<const uint8_t>;

constexpr std::array<int, 10> kFullColourSizes = {16, 20, 24, 32, 40, 48, 64, 96, 128, 256};
// Frames this large are PNG, smaller ones bitmaps.
constexpr int kPngFromSize = 64;
constexpr std::array<uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

Bytes ResourceBytes(LPCWSTR name, LPCWSTR type) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, name, type);
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(module, found);
  if (loaded == nullptr) return {};
  return {static_cast<const uint8_t*>(LockResource(loaded)), SizeofResource(module, found)};
}

// Little-endian fields at an offset; zero past the end, so a short file fails the checks
// instead of the test.
uint32_t Field(Bytes bytes, size_t offset, size_t width) {
  uint32_t value = 0;
  if (offset + width <= bytes.size()) std::memcpy(&value, bytes.data() + offset, width);
  return value;
}

bool StartsWithPng(Bytes image) {
  return image.size() >= kPngSignature.size() &&
         std::equal(kPngSignature.begin(), kPngSignature.end(), image.begin());
}

// FNV-1a: enough to notice a changed pixel.
uint32_t Checksum(Bytes bytes) {
  uint32_t hash = 2166136261u;
  for (uint8_t byte : bytes) hash = (hash ^ byte) * 16777619u;
  return hash;
}

struct IcoEntry {
  int width, height, colours, bits;
  Bytes image;
};

// The directory of a .ico file; entries whose image lies outside the file are dropped.
std::vector<IcoEntry> IconDirectory(Bytes file) {
  std::vector<IcoEntry> entries;
  if (Field(file, 0, 2) != 0 || Field(file, 2, 2) != 1) return entries;
  const uint32_t count = Field(file, 4, 2);
  for (uint32_t i = 0; i < count; ++i) {
    const size_t at = 6 + 16 * i;
    const uint32_t size = Field(file, at + 8, 4), offset = Field(file, at + 12, 4);
    if (offset > file.size() || size > file.size() - offset) continue;
    // A directory entry writes 256 pixels as 0.
    const int width = file[at] == 0 ? 256 : file[at],
              height = file[at + 1] == 0 ? 256 : file[at + 1];
    entries.push_back({width, height, file[at + 2], static_cast<int>(Field(file, at + 6, 2)),
                       file.subspan(offset, size)});
  }
  return entries;
}

int ColourBitmapWidth(HICON icon) {
  ICONINFO info{};
  if (icon == nullptr || !GetIconInfo(icon, &info)) return 0;
  BITMAP bitmap{};
  GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return bitmap.bmWidth;
}

// How many pixels are clear, partly see-through and opaque: {clear, partial, opaque}.
using AlphaCounts = std::array<int, 3>;

void CountAlpha(uint32_t alpha, AlphaCounts& counts) {
  ++counts[alpha == 0 ? 0 : alpha == 255 ? 2 : 1];
}

// The alpha of a loaded icon's colour bitmap, as the system decoded it from its frame.
AlphaCounts LoadedAlpha(HICON icon, int size) {
  AlphaCounts counts{};
  ICONINFO info{};
  if (icon == nullptr || !GetIconInfo(icon, &info)) return counts;
  BITMAPINFO format{};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<uint32_t> pixels(static_cast<size_t>(size) * size);
  HDC screen = GetDC(nullptr);
  const int rows = info.hbmColor == nullptr ? 0
                                            : GetDIBits(screen, info.hbmColor, 0, size,
                                                        pixels.data(), &format, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  if (rows != size) return counts;
  for (uint32_t pixel : pixels) CountAlpha(pixel >> 24, counts);
  return counts;
}

// The 16-colour pictures predate the full-colour ones; anything that picked them before
// (16-colour displays, old shells) must get exactly the same pixels.
TEST(IconFiles, KeepTheSixteenColourFramesFirstThenHoldEveryFullColourSize) {
  struct File {
    int resource;
    uint32_t checksum32, checksum16;
  };
  for (const File& file : {File{TEST_TARNWICK_ICO_FILE, 0x015DF836u, 0x436A93C0u},
                           File{TEST_TARNWICK_DISABLED_ICO_FILE, 0x8A4C8333u, 0xB9528928u}}) {
    SCOPED_TRACE(file.resource);
    const std::vector<IcoEntry> entries =
        IconDirectory(ResourceBytes(MAKEINTRESOURCEW(file.resource), RT_RCDATA));
    ASSERT_EQ(entries.size(), 2 + kFullColourSizes.size());
    for (size_t i = 0; i < 2; ++i) {
      const int size = i == 0 ? 32 : 16;
      EXPECT_EQ(entries[i].width, size);
      EXPECT_EQ(entries[i].height, size);
      EXPECT_EQ(entries[i].colours, 16);
      EXPECT_EQ(entries[i].bits, 4);
      EXPECT_EQ(Checksum(entries[i].image), i == 0 ? file.checksum32 : file.checksum16);
    }
    std::set<int> sizes;
    for (size_t i = 2; i < entries.size(); ++i) {
      const IcoEntry& entry = entries[i];
      SCOPED_TRACE(entry.width);
      sizes.insert(entry.width);
      EXPECT_EQ(entry.height, entry.width);
      EXPECT_EQ(entry.colours, 0);
      EXPECT_EQ(entry.bits, 32);
      EXPECT_EQ(StartsWithPng(entry.image), entry.width >= kPngFromSize);
    }
    EXPECT_EQ(sizes, std::set<int>(kFullColourSizes.begin(), kFullColourSizes.end()));
  }
}

// What the system picks from the exe for each size: a 32-bit frame of exactly that size,
// with see-through corners, solid inside and soft edges, whether stored as a bitmap or as
// PNG (which the system must decode with its alpha).
TEST(ProgramIcons, TheExeHoldsAnAlphaFrameForEverySize) {
  for (IconId icon : {IconId::kApplication, IconId::kDisabled}) {
    const Bytes group = ResourceBytes(MAKEINTRESOURCEW(static_cast<int>(icon)), RT_GROUP_ICON);
    ASSERT_FALSE(group.empty());
    for (int size : kFullColourSizes) {
      SCOPED_TRACE(::testing::Message() << "icon " << static_cast<int>(icon) << " at " << size);
      const int id = LookupIconIdFromDirectoryEx(const_cast<PBYTE>(group.data()), TRUE, size, size,
                                                 LR_DEFAULTCOLOR);
      const Bytes frame = ResourceBytes(MAKEINTRESOURCEW(id), RT_ICON);
      ASSERT_FALSE(frame.empty());
      if (size >= kPngFromSize) {
        ASSERT_TRUE(StartsWithPng(frame));
        EXPECT_EQ(_byteswap_ulong(Field(frame, 16, 4)), static_cast<uint32_t>(size))
            << "IHDR width, big-endian";
        EXPECT_EQ(frame.size() > 25 ? frame[25] : 0, 6) << "RGBA";
      } else {
        EXPECT_EQ(static_cast<int>(Field(frame, 4, 4)), size);
        EXPECT_EQ(Field(frame, 14, 2), 32u);
        AlphaCounts alphas{};
        const size_t pixels = static_cast<size_t>(size) * size;
        for (size_t i = 0; i < pixels; ++i) CountAlpha(Field(frame, 40 + 4 * i + 3, 1), alphas);
        EXPECT_GT(alphas[0], 0);
        EXPECT_GT(alphas[1], 0);
        EXPECT_GT(alphas[2], 0);
      }
      HICON loaded = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                                   MAKEINTRESOURCEW(static_cast<int>(icon)),
                                                   IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
      EXPECT_EQ(ColourBitmapWidth(loaded), size);
      const AlphaCounts decoded = LoadedAlpha(loaded, size);
      EXPECT_GT(decoded[0], 0) << "clear corners";
      EXPECT_GT(decoded[1], 0) << "soft edges";
      EXPECT_GT(decoded[2], 0) << "solid inside";
      if (loaded != nullptr) DestroyIcon(loaded);
    }
  }
}

TEST(ProgramIcons, DrawBlendedOverWhatIsBehind) {
  constexpr int kSize = 48;
  constexpr uint32_t kGreen = 0x0000FF00;  // 0xAARRGGBB, a colour the icon never uses
  BITMAPINFO format{};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), kSize, -kSize, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC canvas = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  ASSERT_NE(bitmap, nullptr);
  HGDIOBJ previous = SelectObject(canvas, bitmap);
  auto* pixels = static_cast<uint32_t*>(bits);
  std::fill(pixels, pixels + kSize * kSize, kGreen);
  EXPECT_TRUE(DrawIconEx(canvas, 0, 0, LoadProgramIcon(IconId::kApplication, false, 144), kSize,
                         kSize, 0, nullptr, DI_NORMAL));
  GdiFlush();
  EXPECT_EQ(pixels[0] & 0xFFFFFF, kGreen) << "the corner lets the background through";
  EXPECT_EQ(pixels[9 * kSize + 12] & 0xFFFFFF, 0x000080u) << "the title bar is navy";
  // The icon's own colours never mix red below green; only an edge over green does.
  int blended = 0;
  for (int i = 0; i < kSize * kSize; ++i) {
    const uint32_t red = (pixels[i] >> 16) & 0xFF, green = (pixels[i] >> 8) & 0xFF;
    if (green > 16 && green < 240 && red < green) ++blended;
  }
  EXPECT_GT(blended, 0) << "anti-aliased edges";
  SelectObject(canvas, previous);
  DeleteObject(bitmap);
  DeleteDC(canvas);
}

// The sizes Windows uses at 100, 125, 150 and 200 per cent.
TEST(ProgramIcons, LoadAtTheSystemSizeForEachDpiOncePerSize) {
  struct Scale {
    int dpi, large, small;
  };
  for (const Scale& scale :
       {Scale{96, 32, 16}, Scale{120, 40, 20}, Scale{144, 48, 24}, Scale{192, 64, 32}}) {
    SCOPED_TRACE(scale.dpi);
    EXPECT_EQ(ProgramIconSize(false, scale.dpi), scale.large);
    EXPECT_EQ(ProgramIconSize(true, scale.dpi), scale.small);
    for (IconId icon : {IconId::kApplication, IconId::kDisabled}) {
      HICON large = LoadProgramIcon(icon, false, scale.dpi);
      EXPECT_EQ(ColourBitmapWidth(large), scale.large);
      EXPECT_EQ(ColourBitmapWidth(LoadProgramIcon(icon, true, scale.dpi)), scale.small);
      EXPECT_EQ(LoadProgramIcon(icon, false, scale.dpi), large) << "kept, not loaded again";
    }
  }
  // 200 per cent's small icon is 100 per cent's large one: the same picture, one copy.
  EXPECT_EQ(LoadProgramIcon(IconId::kApplication, true, 192),
            LoadProgramIcon(IconId::kApplication, false, 96));
  EXPECT_NE(LoadProgramIcon(IconId::kApplication, false, 96),
            LoadProgramIcon(IconId::kDisabled, false, 96));
}

// A new picture swaps the tray icon's in place, under the same id, so it neither moves nor
// loses the user's "show in taskbar" choice. The picture has the taskbar's small-icon size,
// whatever monitor the main window is on.
TEST(TrayIcons, TakeTheNewPictureUnderTheSameIdAtTheTaskbarsSize) {
  HWND owner = testing::MakeWindow(L"Tray owner", 0, 0, 200, 100);
  SystemShell shell(owner);
  EXPECT_FALSE(shell.ChangeTrayIcon(IconId::kApplication, "Tarnwick 2.1")) << "no icon yet";
  ASSERT_TRUE(shell.AddTrayIcon(IconId::kApplication, "Tarnwick 2.1"));
  EXPECT_TRUE(shell.ChangeTrayIcon(IconId::kDisabled, "Tarnwick 2.1"));
  EXPECT_TRUE(shell.ChangeTrayIcon(IconId::kApplication, "Tarnwick 2.1"));
  EXPECT_FALSE(shell.AddTrayIcon(IconId::kApplication, "Tarnwick 2.1")) << "still there";
  EXPECT_TRUE(shell.DeleteTrayIcon(IconId::kApplication));
  EXPECT_FALSE(shell.ChangeTrayIcon(IconId::kApplication, "Tarnwick 2.1")) << "nothing comes back";
  DestroyWindow(owner);

  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(LoadTrayIcon(IconId::kDisabled), &info));
  BITMAP bitmap{};
  GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  EXPECT_EQ(bitmap.bmWidth, GetSystemMetrics(SM_CXSMICON));
  EXPECT_EQ(LoadTrayIcon(IconId::kDisabled), LoadTrayIcon(IconId::kDisabled)) << "loaded once";
}

}  // namespace
}  // namespace tarnwick::win32
