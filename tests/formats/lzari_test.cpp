#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "platform/scripted_host.h"
#include "tests/support/test_support.h"
#include "viewer/formats/lzari.h"
#include "viewer/formats/text_codec.h"

namespace ionvue {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes BytesOf(std::string_view s) { return Bytes(s.begin(), s.end()); }

Bytes Expand(const Bytes& code, std::size_t size, const lzari::Progress& progress = {}) {
  Bytes out(size);
  LzariExpand(code, out.data(), size, progress);
  return out;
}

Bytes RandomBytes(std::size_t n, uint32_t seed) {
  std::mt19937 rng(seed);
  Bytes out(n);
  for (auto& b : out) b = static_cast<uint8_t>(rng());
  return out;
}

// Text in the manner of a decoded TOFDCS file: property text, then groups.
Bytes SpectrumLikeText(std::size_t n) {
  std::string text = "TOFDCS (LMC) acquisition`__SPECTRUM_DESCRIPTION=BSA digest __SPECTRUM_NOTES=";
  std::mt19937 rng(7);
  Bytes out(text.begin(), text.end());
  while (out.size() < n) {
    out.push_back(static_cast<uint8_t>(20 + rng() % 30));
    out.push_back(1);
    for (int i = 0; i < 19 && out.size() < n; ++i) out.push_back(static_cast<uint8_t>(rng() % 16));
  }
  out.resize(n);
  return out;
}

struct RoundTripCase {
  const char* name;
  Bytes text;
};

TEST(LzariTest, RoundTripsEveryKindOfText) {
  Bytes allValues(256);
  for (int i = 0; i < 256; ++i) allValues[i] = static_cast<uint8_t>(i);
  Bytes farMatch = RandomBytes(4000, 1);
  Bytes copy(farMatch.begin(), farMatch.begin() + 500);
  farMatch.insert(farMatch.end(), copy.begin(), copy.end());  // a match 4000 bytes back
  const std::vector<RoundTripCase> cases = {
      {"one byte", {0x41}},
      {"blanks like the initial ring", Bytes(200, ' ')},
      {"all byte values", allValues},
      {"run of 100", Bytes(100, 'x')},
      {"prose", BytesOf("The quick brown fox jumps over the lazy dog. The quick brown fox "
                        "jumps over the lazy dog again, and again, and again.")},
      {"random", RandomBytes(20000, 2)},
      {"match near the ring's end", farMatch},
      {"spectrum-like, many ring turns", SpectrumLikeText(300000)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes code = LzariCompress(c.text);
    EXPECT_EQ(Expand(code, c.text.size()), c.text);
  }
}

TEST(LzariTest, RunOfIdenticalBytesDecodesThroughOverlappingMatches) {
  Bytes run(100, 'x');
  Bytes code = LzariCompress(run);
  // A literal and matches that copy what they are writing: far fewer bits
  // than a hundred literals would need.
  EXPECT_LE(code.size(), 8u);
  std::size_t symbols = 0;
  Bytes out = Expand(code, run.size(), {[&] { ++symbols; }, 1});
  EXPECT_EQ(out, run);
  EXPECT_LE(symbols, 4u);
}

TEST(LzariTest, CompressesSpectrumTextWell) {
  Bytes text = SpectrumLikeText(100000);
  EXPECT_LT(LzariCompress(text).size(), text.size() * 3 / 4);
}

TEST(LzariTest, StreamThatEndsEarlyStillFillsTheSizeAndKeepsItsHead) {
  Bytes text = SpectrumLikeText(50000);
  Bytes code = LzariCompress(text);
  for (std::size_t keep : {std::size_t{0}, std::size_t{1}, code.size() / 3, code.size() - 1}) {
    SCOPED_TRACE(keep);
    Bytes cut(code.begin(), code.begin() + static_cast<std::ptrdiff_t>(keep));
    Bytes out = Expand(cut, text.size());
    ASSERT_EQ(out.size(), text.size());
    if (keep == code.size() / 3) {
      // Everything decoded before the cut (less the coder's lookahead) is right.
      std::size_t good = 0;
      while (good < text.size() && out[good] == text[good]) ++good;
      EXPECT_GT(good, text.size() / 5);
    }
  }
}

TEST(LzariTest, GarbageDecodesToExactlyTheSizeAsked) {
  for (uint32_t seed = 0; seed < 20; ++seed) {
    Bytes garbage = RandomBytes(seed * 37, seed);
    Bytes out(3000 + 1, 0xEE);
    LzariExpand(garbage, out.data(), 3000);
    EXPECT_EQ(out[3000], 0xEE) << "wrote past the size";
  }
}

TEST(LzariTest, ArbitraryBitsDecodeAsThePublishedDecoderDecodesThem) {
  // Checksums of what the published decoder, bit by bit, makes of fixed
  // garbage (the second half of each output comes from the zeros past the
  // end). They pin the whole-run renormalisation and the vector model.
  const std::pair<uint32_t, uint64_t> golden[] = {
      {1u, 0x33b168c36fb55482ull}, {2u, 0xca370745f9380f27ull}, {3u, 0xe97d55f4bbb25abdull},
      {4u, 0x800336719b53ad44ull}, {5u, 0x2b7929c8401efcc8ull}, {6u, 0x4a15c68c787e891dull},
  };
  for (const auto& [seed, checksum] : golden) {
    SCOPED_TRACE(seed);
    Bytes out = Expand(RandomBytes(seed * 500, seed), 20000);
    uint64_t h = 1469598103934665603ull;  // FNV-1a
    for (uint8_t b : out) {
      h ^= b;
      h *= 1099511628211ull;
    }
    EXPECT_EQ(h, checksum);
  }
}

TEST(LzariTest, StepsOncePerGivenNumberOfSymbols) {
  Bytes text = SpectrumLikeText(5000);
  Bytes code = LzariCompress(text);
  std::size_t symbols = 0;
  Expand(code, text.size(), {[&] { ++symbols; }, 1});
  std::size_t steps = 0;
  Expand(code, text.size(), {[&] { ++steps; }, 100});
  EXPECT_GT(symbols, 200u);
  EXPECT_EQ(steps, symbols / 100);
}

// --- the coded file layout ----------------------------------------------

class TextCodecTest : public testing::TempDirTest {
 protected:
  ScriptedHost host;
};

struct PrefixCase {
  char version;
  Bytes prefix;
};

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

TEST_F(TextCodecTest, CopiesThePrefixOfEachVersionThenExpandsTheBody) {
  Bytes info = BytesOf("__SPECTRUM_LENGTH=4");
  Bytes v5 = BytesOf("MS5MSDCS\0\0\0");
  v5.resize(11);
  testing::PutLE32(v5, static_cast<uint32_t>(info.size()));
  v5.insert(v5.end(), info.begin(), info.end());
  v5.push_back(0xDB);
  const std::vector<PrefixCase> cases = {
      {'3', Concat({BytesOf("TO3FDCS ident`props"), {0xDB}})},
      {'4', Concat({BytesOf("TO4FDCS`p"), {0xDB}, BytesOf("0.5 100 0 4 1 0"), {0xDB}})},
      {'5', v5},
      {'7', {}},
  };
  Bytes body = SpectrumLikeText(3000);
  body[0] = 0xDB;  // the body's own terminators do not end the prefix
  for (const auto& c : cases) {
    SCOPED_TRACE(c.version);
    Bytes file = BuildCodedText(c.prefix, body);
    ASSERT_EQ(PlainPrefixLength(file, c.version), c.prefix.size());
    Bytes text;
    ASSERT_EQ(DecodeCodedText(file, c.version, text), TextDecodeError::kNone);
    EXPECT_EQ(text, Concat({c.prefix, body}));
  }
}

TEST_F(TextCodecTest, DecodesAFileAndAdvancesTheBar) {
  struct CountingBar : ProgressWindow {
    void SetText(std::string_view) override {}
    void SetPos(int) override {}
    void StepIt() override { ++steps; }
    int steps = 0;
  } bar;
  Bytes body = Bytes(40, 'q');
  body.insert(body.end(), {1, 2, 3, 4, 5});
  std::string path = WriteFile("a.tof", BuildCodedText(BytesOf("xx\xDB"), body));
  Bytes text;
  ASSERT_TRUE(DecodeCodedTextFile(path, '3', text, host, &bar));
  EXPECT_EQ(text, Concat({BytesOf("xx\xDB"), body}));
  EXPECT_TRUE(host.Messages().empty());
  // Below 50 bytes every symbol is a step: 'q', a match or two, five literals.
  EXPECT_GE(bar.steps, 7);
  EXPECT_LE(bar.steps, 10);
  EXPECT_EQ(host.dispatches(), bar.steps);
}

struct FailureCase {
  const char* name;
  char version;
  Bytes file;
  std::string message;
};

TEST_F(TextCodecTest, DamagedFilesFailWithTheirMessage) {
  const std::string premature = "Premature end of file found.\nDecoding stopped";
  const std::string keyParameter =
      "A key parameter for decoding this file could not be read.\nCheck your file for damage.";
  Bytes size0 = BytesOf("id\xDB");
  testing::PutLE32(size0, 0);
  size0.insert(size0.end(), {1, 2, 3});
  Bytes sizeTooLarge = BytesOf("id\xDB");
  testing::PutLE32(sizeTooLarge, 1u << 24);  // 16 MB from 4 bytes of code
  testing::PutLE32(sizeTooLarge, 0);
  Bytes v5Short = BytesOf("12512345678");
  testing::PutLE32(v5Short, 50);
  Bytes v5Negative = BytesOf("12512345678");
  testing::PutLE32(v5Negative, 0xFFFFFFF0u);
  v5Negative.resize(100, 0);
  const std::vector<FailureCase> cases = {
      {"version 4 with one terminator", '4', Concat({BytesOf("TOFDCS`p"), {0xDB, 1, 2, 3, 4, 5}}),
       premature},
      {"version 3 without terminator", '3', BytesOf("TOFDCS no end"), premature},
      {"version 5 information cut off", '5', v5Short, premature},
      {"version 5 negative information length", '5', v5Negative, premature},
      {"size zero", '3', size0, "Text size invalid"},
      {"size beyond what the code holds", '3', sizeTooLarge, "Text size invalid"},
      {"size cut off", '3', BytesOf("id\xDB\x10\x00"), keyParameter},
      {"nothing after the prefix", '3', BytesOf("id\xDB"), keyParameter},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    host.ClearEvents();
    Bytes text;
    EXPECT_FALSE(DecodeCodedTextFile(WriteFile("bad.tof", c.file), c.version, text, host, nullptr));
    EXPECT_EQ(host.Messages(), std::vector<std::string>{c.message});
  }
}

TEST_F(TextCodecTest, RefusesASizeAboveTheCallersLimit) {
  Bytes file = BuildCodedText(BytesOf("id\xDB"), Bytes(5000, 'a'));
  Bytes text;
  EXPECT_EQ(DecodeCodedText(file, '3', text, {}, 4999), TextDecodeError::kTextSizeInvalid);
  EXPECT_EQ(DecodeCodedText(file, '3', text, {}, 5000), TextDecodeError::kNone);
}

TEST_F(TextCodecTest, TruncatedCodeStillDecodesToTheStatedSize) {
  Bytes body = SpectrumLikeText(20000);
  Bytes file = BuildCodedText(BytesOf("id\xDB"), body);
  file.resize(file.size() - 200);
  Bytes text;
  ASSERT_EQ(DecodeCodedText(file, '3', text), TextDecodeError::kNone);
  EXPECT_EQ(text.size(), 3 + body.size());
  EXPECT_TRUE(std::equal(body.begin(), body.begin() + 1000, text.begin() + 3));
}

TEST_F(TextCodecTest, MissingFileIsReported) {
  Bytes text;
  EXPECT_FALSE(DecodeCodedTextFile(PathOf("absent.tof"), '3', text, host, nullptr));
  EXPECT_EQ(host.Messages(), std::vector<std::string>{"Couldn't open file"});
}

}  // namespace
}  // namespace ionvue
