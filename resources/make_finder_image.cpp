// Writes finder.cur and app.ico into the directory given (default: the current one). Both files
// are committed beside this source; after changing the picture, rebuild and run it from the
// repository root:
//   g++ -std=c++17 -I. resources/make_finder_image.cpp resources/finder_image.cpp -o /tmp/mfi
//   /tmp/mfi resources
// The unit tests fail while the committed files differ from what the code makes.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "resources/finder_image.h"

namespace {

bool WriteFile(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) {
    std::fprintf(stderr, "make_finder_image: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2) {
    std::fprintf(stderr, "usage: make_finder_image [output-directory]\n");
    return 2;
  }
  const std::string directory = argc == 2 ? std::string(argv[1]) + "/" : std::string();
  const bool ok = WriteFile(directory + "finder.cur", vexlumen::MakeFinderImage()) &&
                  WriteFile(directory + "app.ico", vexlumen::MakeAppIcon());
  return ok ? 0 : 1;
}
