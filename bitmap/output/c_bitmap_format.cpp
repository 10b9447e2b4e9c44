// Format table of the C bitmap writer.
#include "bitmap/output/c_bitmap_format.h"

#include <cstddef>

#define IDX CBITMAP_DATA_INDICES
#define RLE CBITMAP_DATA_RLE
#define D16 CBITMAP_DATA_16
#define D24 CBITMAP_DATA_24
#define A16 CBITMAP_DATA_ALPHA16
#define D32 CBITMAP_DATA_32
#define CHR CBITMAP_ELEM_CHAR
#define SHT CBITMAP_ELEM_SHORT
#define LNG CBITMAP_ELEM_LONG

static const char kTrue32[] = "32bpp: 16777216 + 256";
static const char k16[] = "16bpp: 65536";
static const char k15[] = "15bpp: 32768";
static const char k12[] = "12bpp: 4096";

const CBitmapFormat CBITMAP_aFormat[] = {
    {1, "1 bit per pixel", 1, "1", nullptr, CHR, IDX, nullptr, RLE_VARIANT_8, nullptr, true, 2},
    {2, "2 bit per pixel", 2, "2", nullptr, CHR, IDX, nullptr, RLE_VARIANT_8, nullptr, true, 4},
    {4, "4 bit per pixel", 4, "4", nullptr, CHR, IDX, nullptr, RLE_VARIANT_8, nullptr, true, 16},
    {5, "8 bit per pixel", 8, "8", nullptr, CHR, IDX, nullptr, RLE_VARIANT_8, nullptr, true, 256},
    {6, "Compressed, RLE4", 4, "GUI_COMPRESS_RLE4", nullptr, CHR, RLE, nullptr, RLE_VARIANT_4, "GUI_DRAW_RLE4", true, 16},
    {7, "Compressed, RLE8", 8, "GUI_COMPRESS_RLE8", nullptr, CHR, RLE, nullptr, RLE_VARIANT_8, "GUI_DRAW_RLE8", true, 256},
    {8, "High color (565)", 16, "16", k16, SHT, D16, &COLOR_FORMAT_565, RLE_VARIANT_8, "GUI_DRAW_BMP565", false, 0},
    {9, "High color (565), red and blue swapped", 16, "16", k16, SHT, D16, &COLOR_FORMAT_M565, RLE_VARIANT_8, "GUI_DRAW_BMPM565", false, 0},
    {10, "High color (555)", 16, "16", k15, SHT, D16, &COLOR_FORMAT_555, RLE_VARIANT_8, "GUI_DRAW_BMP555", false, 0},
    {11, "High color (555), red and blue swapped", 16, "16", k15, SHT, D16, &COLOR_FORMAT_M555, RLE_VARIANT_8, "GUI_DRAW_BMPM555", false, 0},
    {12, "High color (565), compressed", 16, "16", k16, CHR, RLE, &COLOR_FORMAT_565, RLE_VARIANT_16, "GUI_DRAW_RLE16", false, 0},
    {13, "High color (565), red and blue swapped, compressed", 16, "16", k16, CHR, RLE, &COLOR_FORMAT_M565, RLE_VARIANT_16, "GUI_DRAW_RLEM16", false, 0},
    {15, "True color with alpha, compressed", 32, "32", kTrue32, CHR, RLE, nullptr, RLE_VARIANT_32, "GUI_DRAW_RLE32", false, 0},
    {16, "True color with alpha", 32, "32", kTrue32, LNG, D32, nullptr, RLE_VARIANT_8, "GUI_DRAW_BMP8888", false, 0},
    {17, "True color 24bpp", 24, "24", "24bpp: 16777216", CHR, D24, nullptr, RLE_VARIANT_8, "GUI_DRAW_BMP24", false, 0},
    {18, "Alpha channel, compressed", 8, "GUI_COMPRESS_RLE8", "None, only alpha channel", CHR, RLE, nullptr, RLE_VARIANT_ALPHA, "GUI_DRAW_RLEALPHA", false, 0},
    {19, "12bpp (444_12),", 16, "16", k12, SHT, D16, &COLOR_FORMAT_444_12, RLE_VARIANT_8, "GUI_DRAW_BMP444_12", false, 0},
    {20, "12bpp (M444_12),", 16, "16", k12, SHT, D16, &COLOR_FORMAT_M444_12, RLE_VARIANT_8, "GUI_DRAW_BMPM444_12", false, 0},
    {21, "12bpp (444_12_1),", 16, "16", k12, SHT, D16, &COLOR_FORMAT_444_12_1, RLE_VARIANT_8, "GUI_DRAW_BMP444_12_1", false, 0},
    {22, "12bpp (M444_12_1),", 16, "16", k12, SHT, D16, &COLOR_FORMAT_M444_12_1, RLE_VARIANT_8, "GUI_DRAW_BMPM444_12_1", false, 0},
    {23, "12bpp (444_16),", 16, "16", k12, SHT, D16, &COLOR_FORMAT_444_16, RLE_VARIANT_8, "GUI_DRAW_BMP444_16", false, 0},
    {24, "12bpp (M444_16),", 16, "16", k12, SHT, D16, &COLOR_FORMAT_M444_16, RLE_VARIANT_8, "GUI_DRAW_BMPM444_16", false, 0},
    {25, "High color with Alpha(555)", 24, "24", "32768 colors + 8 bit alpha channel", CHR, A16, &COLOR_FORMAT_555, RLE_VARIANT_8, "GUI_DRAW_BMPA555", false, 0},
    {26, "High color with Alpha(555), red and blue swapped", 24, "24", "32768 colors + 8 bit alpha channel", CHR, A16, &COLOR_FORMAT_M555, RLE_VARIANT_8, "GUI_DRAW_BMPAM555", false, 0},
    {27, "High color with Alpha(565)", 24, "24", "65536 colors + 8 bit alpha channel", CHR, A16, &COLOR_FORMAT_565, RLE_VARIANT_8, "GUI_DRAW_BMPA565", false, 0},
    {28, "High color with Alpha(565), red and blue swapped", 24, "24", "65536 colors + 8 bit alpha channel", CHR, A16, &COLOR_FORMAT_M565, RLE_VARIANT_8, "GUI_DRAW_BMPAM565", false, 0},
    {29, "True color with alpha, r/b swapped, alpha inverted", 32, "32", kTrue32, LNG, D32, nullptr, RLE_VARIANT_8, "GUI_DRAW_BMPM8888I", false, 0},
    {99, "True color with alpha, (Both variants)", 32, "32", kTrue32, LNG, D32, nullptr, RLE_VARIANT_8, "GUI_DRAW_BMPM8888I", false, 0},
};
const int CBITMAP_NumFormats = static_cast<int>(sizeof(CBITMAP_aFormat) / sizeof(CBITMAP_aFormat[0]));

const CBitmapFormat* CBITMAP_FindFormat(int number) {
  for (int i = 0; i < CBITMAP_NumFormats; ++i)
    if (CBITMAP_aFormat[i].Number == number) return &CBITMAP_aFormat[i];
  return nullptr;
}
