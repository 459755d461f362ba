#include "viewer/formats/text_codec.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "platform/host.h"
#include "viewer/core/spectrum.h"
#include "viewer/formats/lzari.h"

namespace ionvue {

namespace {

constexpr uint8_t kTerminator = 0xDB;

std::optional<std::size_t> AfterTerminator(std::span<const uint8_t> file, std::size_t from) {
  if (from >= file.size()) return std::nullopt;
  const void* hit = std::memchr(file.data() + from, kTerminator, file.size() - from);
  if (!hit) return std::nullopt;
  return static_cast<std::size_t>(static_cast<const uint8_t*>(hit) - file.data()) + 1;
}

uint32_t ReadLE32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) return false;
  bytes.clear();
  uint8_t chunk[1 << 16];
  for (;;) {
    std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
    bytes.insert(bytes.end(), chunk, chunk + got);
    if (got < sizeof chunk) break;
  }
  return !std::ferror(file.get());
}

}  // namespace

const char* TextDecodeMessage(TextDecodeError error) {
  switch (error) {
    case TextDecodeError::kNone: return "";
    case TextDecodeError::kCannotOpen: return "Couldn't open file";
    case TextDecodeError::kPrematureEnd: return "Premature end of file found.\nDecoding stopped";
    case TextDecodeError::kSizeUnreadable:
      return "A key parameter for decoding this file could not be read.\n"
             "Check your file for damage.";
    case TextDecodeError::kTextSizeInvalid: return "Text size invalid";
    case TextDecodeError::kOutOfMemory: return CSpectrum::kInsufficientMemory;
  }
  return "";
}

std::optional<std::size_t> PlainPrefixLength(std::span<const uint8_t> file, char version) {
  switch (version) {
    case '3':
      return AfterTerminator(file, 0);
    case '4': {
      auto first = AfterTerminator(file, 0);
      if (!first) return std::nullopt;
      return AfterTerminator(file, *first);
    }
    case '5': {
      constexpr std::size_t kHeader = 11;
      if (file.size() < kHeader + 4) return std::nullopt;
      int32_t length = static_cast<int32_t>(ReadLE32(file.data() + kHeader));
      if (length < 0) return std::nullopt;
      std::size_t end = kHeader + 4 + static_cast<std::size_t>(length) + 1;
      if (end > file.size()) return std::nullopt;
      return end;
    }
    default:
      return 0;
  }
}

TextDecodeError DecodeCodedText(std::span<const uint8_t> file, char version,
                                std::vector<uint8_t>& text, const std::function<void()>& step,
                                std::size_t maxText) {
  text.clear();
  auto prefix = PlainPrefixLength(file, version);
  if (!prefix) {
    // What the acquisition software copied before it met the end.
    text.assign(file.begin(), file.end());
    return TextDecodeError::kPrematureEnd;
  }
  text.assign(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(*prefix));
  if (file.size() - *prefix < 4) return TextDecodeError::kSizeUnreadable;
  const std::size_t size = ReadLE32(file.data() + *prefix);
  std::span<const uint8_t> code = file.subspan(*prefix + 4);
  if (size == 0 || size > maxText || size > lzari::kMaxExpansion * (code.size() + 8))
    return TextDecodeError::kTextSizeInvalid;
  try {
    text.resize(*prefix + size);
  } catch (const std::bad_alloc&) {
    text.resize(*prefix);
    return TextDecodeError::kOutOfMemory;
  }
  lzari::Progress progress{step, std::max<std::size_t>(size / 50, 1)};
  LzariExpand(code, text.data() + *prefix, size, progress);
  return TextDecodeError::kNone;
}

bool DecodeCodedTextFile(const std::string& inputPath, char version, std::vector<uint8_t>& text,
                         Host& host, ProgressWindow* progress, std::size_t maxText) {
  std::vector<uint8_t> file;
  TextDecodeError error = TextDecodeError::kNone;
  try {
    if (!ReadWholeFile(inputPath, file)) error = TextDecodeError::kCannotOpen;
  } catch (const std::bad_alloc&) {
    error = TextDecodeError::kOutOfMemory;
  }
  if (error == TextDecodeError::kNone) {
    auto step = [&] {
      if (progress) progress->StepIt();
      host.DispatchPendingMessages();
    };
    error = DecodeCodedText(file, version, text, step, maxText);
  }
  if (error == TextDecodeError::kNone) return true;
  host.Message(TextDecodeMessage(error));
  return false;
}

std::vector<uint8_t> BuildCodedText(std::span<const uint8_t> prefix,
                                    std::span<const uint8_t> body) {
  std::vector<uint8_t> file(prefix.begin(), prefix.end());
  const uint32_t size = static_cast<uint32_t>(body.size());
  for (int i = 0; i < 4; ++i) file.push_back(static_cast<uint8_t>(size >> (8 * i)));
  std::vector<uint8_t> code = LzariCompress(body);
  file.insert(file.end(), code.begin(), code.end());
  return file;
}

}  // namespace ionvue
