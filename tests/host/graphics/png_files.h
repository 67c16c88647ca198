// Test PNG files made by ImageMagick from raw pixel bytes, in a fresh temporary folder that
// is removed afterwards. Real encoder output, in each of the forms the art may come in.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// PNG forms: the raw layout given to ImageMagick and the options that force the file's
// colour type.
struct PngForm {
  const char* raw_format;  // "gray", "rgb" or "rgba"
  const char* options;
  const char* prefix;      // output format prefix, e.g. "PNG8:"
};

inline const PngForm kGreyPng{"gray", "-define png:color-type=0 -define png:bit-depth=8", ""};
// ImageMagick has no grey + alpha raw input: give it RGBA with equal channels.
inline const PngForm kGreyAlphaPng{"rgba", "-define png:color-type=4 -define png:bit-depth=8", ""};
inline const PngForm kRgbPng{"rgb", "-define png:color-type=2 -define png:bit-depth=8", ""};
inline const PngForm kRgbaPng{"rgba", "-define png:color-type=6 -define png:bit-depth=8", ""};
inline const PngForm kPalettePng{"rgb", "-define png:color-type=3 -define png:bit-depth=8", ""};
// A palette with a transparency chunk (ImageMagick keeps only on/off transparency).
inline const PngForm kPaletteAlphaPng{"rgba", "", "PNG8:"};

class PngFolder {
 public:
  PngFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zandrel-png-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data())) root_ = buffer.data();
  }
  ~PngFolder() {
    std::error_code ignored;
    if (!root_.empty()) std::filesystem::remove_all(root_, ignored);
  }
  PngFolder(const PngFolder&) = delete;
  PngFolder& operator=(const PngFolder&) = delete;

  const std::filesystem::path& Root() const { return root_; }
  std::string Path(const std::string& name) const { return (root_ / name).string(); }

  // Writes a w x h picture from raw bytes in `form`; returns the file's path, or "" when
  // ImageMagick failed.
  std::string Make(const std::string& name, int w, int h, const PngForm& form,
                   const std::vector<unsigned char>& bytes) const {
    const std::string raw = Path(name + ".raw");
    std::ofstream(raw, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    const std::string out = Path(name);
    const std::string command = "convert -size " + std::to_string(w) + "x" + std::to_string(h) +
                                " -depth 8 " + form.raw_format + ":'" + raw + "' " + form.options +
                                " '" + form.prefix + out + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0) return "";
    std::filesystem::remove(raw);
    return out;
  }

  // Writes arbitrary bytes as a file (broken or hand-made images).
  std::string Write(const std::string& name, const std::vector<unsigned char>& bytes) const {
    const std::string out = Path(name);
    std::ofstream(out, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return out;
  }

 private:
  std::filesystem::path root_;
};
