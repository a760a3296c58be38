#include "png_layout.h"

#include <array>
#include <fstream>
#include <string>

namespace packaging {
namespace {

constexpr std::array<unsigned char, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

struct Chunk {
  std::uint32_t length = 0;
  std::string type;
};

std::uint32_t bigEndian(const unsigned char* bytes) {
  return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
         std::uint32_t{bytes[2]} << 8 | std::uint32_t{bytes[3]};
}

std::optional<Chunk> readChunkHead(std::istream& in) {
  unsigned char head[8];
  if (!in.read(reinterpret_cast<char*>(head), sizeof head)) {
    return std::nullopt;
  }
  return Chunk{bigEndian(head), std::string(reinterpret_cast<char*>(head + 4), 4)};
}

}  // namespace

std::optional<PngLayout> readPngLayout(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::array<unsigned char, 8> signature{};
  if (!in.read(reinterpret_cast<char*>(signature.data()), signature.size()) ||
      signature != kSignature) {
    return std::nullopt;
  }
  const std::optional<Chunk> header = readChunkHead(in);
  unsigned char data[13];
  if (!header || header->type != "IHDR" || header->length != sizeof data ||
      !in.read(reinterpret_cast<char*>(data), sizeof data)) {
    return std::nullopt;
  }
  PngLayout layout{bigEndian(data), bigEndian(data + 4), data[9], 0};
  in.seekg(4, std::ios::cur);  // CRC
  // Ancillary chunks may sit between the header and the palette, but the
  // palette always precedes the first image data.
  for (auto chunk = readChunkHead(in); chunk && chunk->type != "IDAT" && chunk->type != "IEND";
       chunk = readChunkHead(in)) {
    if (chunk->type == "PLTE") {
      layout.palette_entries = static_cast<int>(chunk->length / 3);
      break;
    }
    in.seekg(std::streamoff{chunk->length} + 4, std::ios::cur);
  }
  return layout;
}

}  // namespace packaging
