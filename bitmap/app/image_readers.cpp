// The readers the bitmap converter opens files with, by file type.
#include "bitmap/app/image_readers.h"

#include "bitmap/image/image.h"

void RASTREL_RegisterReaders() {
  IMAGE_SetReader(IMAGE_TYPE_BMP, IMAGE_ReadBMP);
}
