#include "host/window_icon.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <GLFW/glfw3.h>

#include "host/graphics/image_data.h"

#ifdef __EMSCRIPTEN__
// The page's own icon stands for the program in a browser.
void zu_SetWindowIcon(GLFWwindow*) {}
#else
namespace {

struct Picture {
  std::unique_ptr<unsigned char, decltype(&std::free)> pixels{nullptr, &std::free};
  int size = 0;
};

// Files in the data folder are untrusted: a picture that is not RGBA of the size its name
// says is left out rather than handed to the window system.
std::vector<Picture> LoadPictures() {
  std::vector<Picture> pictures;
  for (const int size : kZuWindowIconSizes) {
    const std::string path = "vantor://data/icon/" + std::to_string(size) + ".png";
    int width = 0, height = 0, depth = 0;
    Picture picture;
    picture.pixels.reset(zu_graphics_LoadImageData(String(path.c_str()), &width, &height, &depth));
    if (!picture.pixels || width != size || height != size || depth != 4) continue;
    picture.size = size;
    pictures.push_back(std::move(picture));
  }
  return pictures;
}

}  // namespace

void zu_SetWindowIcon(GLFWwindow* window) {
  static const std::vector<Picture> pictures = LoadPictures();
  if (!window || pictures.empty()) return;
  std::vector<GLFWimage> images;
  for (const Picture& picture : pictures) {
    images.push_back(GLFWimage{picture.size, picture.size, picture.pixels.get()});
  }
  glfwSetWindowIcon(window, static_cast<int>(images.size()), images.data());
}
#endif
