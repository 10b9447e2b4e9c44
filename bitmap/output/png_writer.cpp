// PNG writer. libpng reports errors by longjmp: the function that sets the jump point
// keeps only plain data on its stack, and everything is freed on one path.
#include "bitmap/output/png_writer.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>

#include "common/cmdline/cmdline.h"

namespace {

void on_error(png_structp, png_const_charp text) {
  char message[256];
  std::snprintf(message, sizeof(message), "Error writing PNG: %s\n", text ? text : "");
  CMDLINE_ReportText(message);
}

[[noreturn]] void fail(png_structp png, png_const_charp text) {
  on_error(png, text);
  png_longjmp(png, 1);
}

void write_data(png_structp png, png_bytep data, png_size_t size) {
  FILE* file = static_cast<FILE*>(png_get_io_ptr(png));
  if (!file) fail(png, "WriteFile() returns NULL");
  if (std::fwrite(data, 1, size, file) != size) fail(png, "Not all data could be writen");
}

void flush_data(png_structp) {}

}  // namespace

bool PNG_Write(const ImageDocument* doc, FILE* file) {
  if (!doc || doc->BitsPerPixel != 32 || doc->NumColors) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, fail, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  png_bytep* volatile rows = nullptr;  // read again after a longjmp
  if (!info || setjmp(png_jmpbuf(png))) {
    std::free(rows);
    png_destroy_write_struct(&png, info ? &info : nullptr);
    return false;
  }
  png_set_compression_level(png, 9);
  png_set_compression_mem_level(png, 8);
  png_set_compression_strategy(png, 0);
  png_set_compression_window_bits(png, 15);
  png_set_compression_method(png, 8);
  png_set_compression_buffer_size(png, 8192);
  png_set_write_fn(png, file, write_data, flush_data);
  png_set_IHDR(png, info, static_cast<png_uint_32>(doc->XSize), static_cast<png_uint_32>(doc->YSize), 8,
               PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_invert_alpha(png);
  png_write_info(png, info);
  // Pixels are stored red, green, blue, transparency byte: the rows are the document's.
  rows = static_cast<png_bytepp>(std::malloc(sizeof(png_bytep) * static_cast<size_t>(doc->YSize)));
  if (!rows) fail(png, "Out of memory");
  for (int32_t y = 0; y < doc->YSize; ++y) rows[y] = IMAGE_GetRow(doc, y);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  std::free(rows);
  png_destroy_write_struct(&png, &info);
  return true;
}
