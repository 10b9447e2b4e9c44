// The readers the bitmap converter opens files with, by file type.
#include "bitmap/app/image_readers.h"

#include "bitmap/formats/bmp/bmp.h"
#include "bitmap/formats/gif/gif.h"
#include "bitmap/document/image.h"
#include "bitmap/formats/jpeg/jpeg.h"
#include "bitmap/formats/png/png_reader.h"
#include "bitmap/formats/sbmp/sbmp.h"

void RASTREL_RegisterReaders() {
  IMAGE_SetReader(IMAGE_TYPE_BMP, IMAGE_ReadBMP);
  IMAGE_SetReader(IMAGE_TYPE_SBMP, IMAGE_ReadSBMP);
  IMAGE_SetReader(IMAGE_TYPE_GIF, IMAGE_ReadGIF);
  IMAGE_SetReader(IMAGE_TYPE_PNG, IMAGE_ReadPNG);
  IMAGE_SetReader(IMAGE_TYPE_JPEG, IMAGE_ReadJPEG);
}
