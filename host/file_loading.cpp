// Whole-file loading: as decoded text, or as one block of raw bytes.
#include <array>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "host/files.h"
#include "host/gc.h"

namespace {

constexpr size_t kBlockSize = 4096;
using Block = std::array<unsigned char, kBlockSize>;

// Closes the stream on every way out of a loader.
struct StreamCloser {
  void operator()(std::FILE* stream) const { std::fclose(stream); }
};
using StreamOwner = std::unique_ptr<std::FILE, StreamCloser>;

}  // namespace

String zu_files_LoadString(const String& path) {
  StreamOwner stream(zu_files_OpenFile(path, String("rb")));
  if (!stream) return String();
  return String::Load(stream.get());
}

unsigned char* zu_files_LoadData(const String& path, int* length) {
  StreamOwner stream(zu_files_OpenFile(path, String("rb")));
  if (!stream) return nullptr;

  // Reading into separate blocks avoids copying the data over and over as it grows; the
  // pieces are joined once the size is known.
  std::vector<std::unique_ptr<Block>> blocks;
  size_t total = 0;
  for (;;) {
    auto block = std::make_unique<Block>();
    size_t read = std::fread(block->data(), 1, kBlockSize, stream.get());
    if (read > 0) {
      blocks.push_back(std::move(block));
      total += read;
    }
    if (read < kBlockSize) break;
  }
  stream.reset();

  // The length is reported as an int, so a larger file cannot be handed over whole.
  if (total > static_cast<size_t>(INT_MAX)) return nullptr;
  // At least one byte, so that an empty file still gives a block and not "cannot open".
  auto* data = static_cast<unsigned char*>(std::malloc(total > 0 ? total : 1));
  if (!data) return nullptr;
  size_t offset = 0;
  for (const auto& block : blocks) {
    size_t piece = total - offset < kBlockSize ? total - offset : kBlockSize;
    std::memcpy(data + offset, block->data(), piece);
    offset += piece;
  }
  *length = static_cast<int>(total);
  gc_ext_malloced(static_cast<int>(total));
  return data;
}
