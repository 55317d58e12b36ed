// The finder image: an orange diamond with a pale rim and a white cross, drawn on a 32x32 grid
// with 32-bit alpha. The user drags it from the main window onto the window to inspect; the
// pointer's hot spot is the centre of the cross, pixel (15,15) counted from the top left.
#ifndef VEXLUMEN_RESOURCES_FINDER_IMAGE_H_
#define VEXLUMEN_RESOURCES_FINDER_IMAGE_H_

#include <vector>

namespace vexlumen {

// The picture as a complete cursor (.cur) file, hot spot at the centre of the cross.
std::vector<unsigned char> MakeFinderImage();

// The same picture as a complete icon (.ico) file, used as the program's icon.
std::vector<unsigned char> MakeAppIcon();

}  // namespace vexlumen

#endif  // VEXLUMEN_RESOURCES_FINDER_IMAGE_H_
