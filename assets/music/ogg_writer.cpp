#include "assets/music/ogg_writer.h"

#include <algorithm>
#include <fstream>

#include <vorbis/vorbisenc.h>

namespace music {

namespace {

constexpr int kSerialNumber = 0x5A616E64;
constexpr int kChunkFrames = 1024;

// Every encoder structure, cleared in reverse order of set-up whatever happens.
struct Encoder {
  vorbis_info info{};
  vorbis_comment comment{};
  vorbis_dsp_state dsp{};
  vorbis_block block{};
  ogg_stream_state stream{};
  bool analysing = false;
  Encoder() {
    vorbis_info_init(&info);
    vorbis_comment_init(&comment);
  }
  ~Encoder() {
    if (analysing) {
      ogg_stream_clear(&stream);
      vorbis_block_clear(&block);
      vorbis_dsp_clear(&dsp);
    }
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
  }
};

void writePage(std::ofstream& out, const ogg_page& page) {
  out.write(reinterpret_cast<const char*>(page.header), page.header_len);
  out.write(reinterpret_cast<const char*>(page.body), page.body_len);
}

// Hands finished blocks to the stream and writes the pages that fill.
void drain(Encoder& e, std::ofstream& out) {
  ogg_packet packet;
  ogg_page page;
  while (vorbis_analysis_blockout(&e.dsp, &e.block) == 1) {
    vorbis_analysis(&e.block, nullptr);
    vorbis_bitrate_addblock(&e.block);
    while (vorbis_bitrate_flushpacket(&e.dsp, &packet)) {
      ogg_stream_packetin(&e.stream, &packet);
      while (ogg_stream_pageout(&e.stream, &page)) writePage(out, page);
    }
  }
}

}  // namespace

bool writeOggVorbisMono(const std::string& path, const synth::Samples& samples, int sampleRate, float quality) {
  Encoder e;
  if (vorbis_encode_init_vbr(&e.info, 1, sampleRate, quality) != 0) return false;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  vorbis_analysis_init(&e.dsp, &e.info);
  vorbis_block_init(&e.dsp, &e.block);
  ogg_stream_init(&e.stream, kSerialNumber);
  e.analysing = true;

  ogg_packet header, commentHeader, codeHeader;
  vorbis_analysis_headerout(&e.dsp, &e.comment, &header, &commentHeader, &codeHeader);
  ogg_stream_packetin(&e.stream, &header);
  ogg_stream_packetin(&e.stream, &commentHeader);
  ogg_stream_packetin(&e.stream, &codeHeader);
  ogg_page page;
  // The first audio page starts on a page of its own, as decoders expect.
  while (ogg_stream_flush(&e.stream, &page)) writePage(out, page);

  for (std::size_t at = 0; at < samples.size(); at += kChunkFrames) {
    const int frames = static_cast<int>(std::min<std::size_t>(kChunkFrames, samples.size() - at));
    float** buffer = vorbis_analysis_buffer(&e.dsp, frames);
    std::copy_n(samples.begin() + static_cast<std::ptrdiff_t>(at), frames, buffer[0]);
    vorbis_analysis_wrote(&e.dsp, frames);
    drain(e, out);
  }
  vorbis_analysis_wrote(&e.dsp, 0);
  drain(e, out);
  while (ogg_stream_flush(&e.stream, &page)) writePage(out, page);
  return static_cast<bool>(out.flush());
}

}  // namespace music
