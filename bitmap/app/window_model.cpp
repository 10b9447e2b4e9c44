// Menu enabling rules, zoom steps and the status texts of the menu items.
#include "bitmap/app/window_model.h"

#include "bitmap/app/command_ids.h"

namespace {

bool needs_image(unsigned id) {
  switch (id) {
    case ID_FILE_SAVEAS: case ID_FILE_CREATE_ALPHA: case ID_FILE_LOAD_ALPHA_MASK: case ID_FILE_SAVE_PALETTE:
    case ID_EDIT_COPY: case ID_VIEW_ZOOM_IN: case ID_VIEW_ZOOM_OUT: case ID_IMAGE_TRANSPARENCY_DIALOG:
    case ID_IMAGE_CUSTOM_PALETTE: case ID_IMAGE_SCALE: case ID_IMAGE_BEST_PALETTE:
    case ID_IMAGE_BEST_PALETTE_TRANS: case ID_IMAGE_INFO: case ID_IMAGE_REDUCE_4: case ID_IMAGE_REDUCE_16:
    case ID_IMAGE_REDUCE_256:
      return true;
    default:
      break;
  }
  return (id >= ID_IMAGE_CONVERT_FIRST && id <= ID_IMAGE_CONVERT_RGB) ||
         (id >= ID_IMAGE_DITHER_FIRST && id <= ID_IMAGE_DITHER_LAST) ||
         (id >= ID_IMAGE_FLIP_H && id <= ID_IMAGE_SHRINK);
}

struct HelpText {
  unsigned Id;
  const char* pText;
};

const HelpText kHelp[] = {
    {ID_FILE_OPEN, "Open an existing image."},
    {ID_FILE_SAVEAS, "Save the image as C file, C stream or image file."},
    {ID_FILE_CREATE_ALPHA, "Create an alpha channel from two images."},
    {ID_FILE_LOAD_ALPHA_MASK, "Load an alpha mask."},
    {ID_FILE_ANIM_SPRITE, "Create an animated sprite from a GIF file."},
    {ID_FILE_ANIM_CURSOR, "Create an animated cursor from a GIF file."},
    {ID_FILE_SAVE_PALETTE, "Save the palette of the image."},
    {ID_FILE_EXIT, "Quit the application."},
    {ID_EDIT_UNDO, "Undo the last action."},
    {ID_EDIT_COPY, "Copy the image to the clipboard."},
    {ID_EDIT_PASTE, "Paste an image from the clipboard."},
    {ID_VIEW_ZOOM_IN, "Zoom in."},
    {ID_VIEW_ZOOM_OUT, "Zoom out."},
    {ID_IMAGE_TRANSPARENCY_DIALOG, "Choose the transparent color."},
    {ID_IMAGE_BEST_PALETTE, "Convert the image into the best palette."},
    {ID_IMAGE_BEST_PALETTE_TRANS, "Convert the image into the best palette with transparency."},
    {ID_IMAGE_CUSTOM_PALETTE, "Convert the image into a palette read from a file."},
    {ID_IMAGE_FLIP_H, "Flip the image horizontally."},
    {ID_IMAGE_FLIP_V, "Flip the image vertically."},
    {ID_IMAGE_ROTATE_90CW, "Rotate the image by 90 degrees clockwise."},
    {ID_IMAGE_ROTATE_90CCW, "Rotate the image by 90 degrees counterclockwise."},
    {ID_IMAGE_ROTATE_180, "Rotate the image by 180 degrees."},
    {ID_IMAGE_INVERT_INDICES, "Invert the palette indices."},
    {ID_IMAGE_INVERT_COLORS, "Invert the palette colors."},
    {ID_IMAGE_SHRINK, "Shrink the image to 50%."},
    {ID_IMAGE_REDUCE_4, "Reduce the image to 4 colors."},
    {ID_IMAGE_REDUCE_16, "Reduce the image to 16 colors."},
    {ID_IMAGE_REDUCE_256, "Reduce the image to 256 colors."},
    {ID_IMAGE_INFO, "Count the colors used by the image."},
    {ID_IMAGE_SCALE, "Scale the image to a new size."},
    {ID_OPTIONS, "Change the options."},
    {ID_HELP_CMDLINE, "Show the command line options."},
    {ID_HELP_ABOUT, "Display program information, version number and copyright."},
};

}  // namespace

bool RASTREL_IsMenuEnabled(unsigned id, const MenuInputs& in) {
  if (needs_image(id) && !in.HasImage) return false;
  switch (id) {
    case ID_FILE_SAVE_PALETTE: return in.DistinctColors <= 256;
    case ID_EDIT_PASTE: return in.ClipboardHasDib;
    case ID_EDIT_UNDO: return in.UndoCount > 0;
    case ID_IMAGE_REDUCE_4: return in.DistinctColors >= 5;
    case ID_IMAGE_REDUCE_16: return in.DistinctColors > 16;
    case ID_IMAGE_REDUCE_256: return in.DistinctColors > 256;
    default: return true;
  }
}

int RASTREL_ZoomStep(int zoom, int delta) {
  const int z = zoom + delta;
  return z < 1 ? 1 : (z > 40 ? 40 : z);
}

int RASTREL_InitialZoom(int width, int height) { return (width <= 300 && height <= 300) ? 20 : 10; }

const char* RASTREL_MenuHelp(unsigned id) {
  if (id >= ID_FILE_RECENT_FIRST && id <= ID_FILE_RECENT_LAST) return "Open this image.";
  if (id >= ID_IMAGE_CONVERT_FIRST && id <= ID_IMAGE_CONVERT_RGB) return "Convert the image into this color format.";
  if (id >= ID_IMAGE_DITHER_FIRST && id <= ID_IMAGE_DITHER_LAST) return "Dither the image into this color format.";
  for (const HelpText& h : kHelp)
    if (h.Id == id) return h.pText;
  return "Ready";
}
