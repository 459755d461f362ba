#include "viewer/formats/lzari.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

namespace ionvue {

namespace {

using namespace lzari;

constexpr int kN = kRingSize;
constexpr int kF = kLongestMatch;
constexpr int kMask = kN - 1;

// The adaptive character model and the fixed position model. Symbols are
// kept sorted by falling frequency, so frequent characters sit at small
// indices and both the search and the update stay short for them.
struct Model {
  std::array<int, kCharSymbols> charToSym;
  std::array<int, kCharSymbols + 1> symToChar;
  std::array<uint32_t, kCharSymbols + 1> symFreq;
  std::array<uint32_t, kCharSymbols + 1> symCum;
  std::array<uint32_t, kN + 1> positionCum;

  Model() {
    symCum[kCharSymbols] = 0;
    for (int sym = kCharSymbols; sym >= 1; --sym) {
      int ch = sym - 1;
      charToSym[ch] = sym;
      symToChar[sym] = ch;
      symFreq[sym] = 1;
      symCum[sym - 1] = symCum[sym] + symFreq[sym];
    }
    symFreq[0] = 0;  // sentinel, never equal to symFreq[1]
    positionCum[kN] = 0;
    for (int i = kN; i >= 1; --i)
      positionCum[i - 1] = positionCum[i] + 10000 / (i + 200);
  }

  void Update(int sym) {
    if (symCum[0] >= kMaxCum) {
      uint32_t c = 0;
      for (int i = kCharSymbols; i > 0; --i) {
        symCum[i] = c;
        c += (symFreq[i] = (symFreq[i] + 1) >> 1);
      }
      symCum[0] = c;
    }
    int i = sym;
    while (symFreq[i] == symFreq[i - 1]) --i;
    if (i < sym) {
      int chI = symToChar[i];
      int chSym = symToChar[sym];
      symToChar[i] = chSym;
      symToChar[sym] = chI;
      charToSym[chI] = sym;
      charToSym[chSym] = i;
    }
    ++symFreq[i];
    for (int k = 0; k < i; ++k) ++symCum[k];
  }

  // The symbol with symCum[sym] <= x < symCum[sym - 1].
  int FindSymbol(uint32_t x) const {
    // Frequent symbols come first; a short scan finds most of them.
    constexpr int kScan = 8;
    for (int s = 1; s <= kScan; ++s)
      if (symCum[s] <= x) return s;
    int i = kScan + 1, j = kCharSymbols;
    while (i < j) {
      int k = (i + j) / 2;
      if (symCum[k] > x) i = k + 1;
      else j = k;
    }
    return i;
  }

  // The position with positionCum[p + 1] <= x < positionCum[p].
  int FindPosition(uint32_t x) const {
    int i = 1, j = kN;
    while (i < j) {
      int k = (i + j) / 2;
      if (positionCum[k] > x) i = k + 1;
      else j = k;
    }
    return i - 1;
  }
};

// Most significant bit first; zeros once the bytes run out.
class BitReader {
 public:
  explicit BitReader(std::span<const uint8_t> bytes)
      : p_(bytes.data()), end_(bytes.data() + bytes.size()) {}

  uint32_t Bit() {
    if (bits_ == 0) Refill();
    uint32_t bit = static_cast<uint32_t>(buffer_ >> 63);
    buffer_ <<= 1;
    --bits_;
    return bit;
  }

 private:
  void Refill() {
    buffer_ = 0;
    std::size_t left = static_cast<std::size_t>(end_ - p_);
    std::size_t take = std::min<std::size_t>(left, 8);
    for (std::size_t i = 0; i < take; ++i) buffer_ |= uint64_t{p_[i]} << (56 - 8 * i);
    p_ += take;
    bits_ = 64;
  }

  const uint8_t* p_;
  const uint8_t* end_;
  uint64_t buffer_ = 0;
  int bits_ = 0;
};

class Decoder {
 public:
  explicit Decoder(std::span<const uint8_t> code) : in_(code) {
    for (int i = 0; i < kPrecision + 2; ++i) value_ = 2 * value_ + in_.Bit();
  }

  int Char() {
    uint32_t range = high_ - low_;
    // value_ stays inside [low_, high_) for any input bits, and range
    // exceeds Q1 after every renormalisation, so these products fit in
    // 32 bits (Q4 * MAX_CUM < 2^32) and every symbol interval is non-empty.
    uint32_t total = model_.symCum[0];
    int sym = model_.FindSymbol(((value_ - low_ + 1) * total - 1) / range);
    high_ = low_ + range * model_.symCum[sym - 1] / total;
    low_ += range * model_.symCum[sym] / total;
    Renormalise();
    int ch = model_.symToChar[sym];
    model_.Update(sym);
    return ch;
  }

  int Position() {
    uint32_t range = high_ - low_;
    uint32_t total = model_.positionCum[0];
    int position = model_.FindPosition(((value_ - low_ + 1) * total - 1) / range);
    high_ = low_ + range * model_.positionCum[position] / total;
    low_ += range * model_.positionCum[position + 1] / total;
    Renormalise();
    return position;
  }

 private:
  void Renormalise() {
    for (;;) {
      if (low_ >= kQ2) {
        value_ -= kQ2;
        low_ -= kQ2;
        high_ -= kQ2;
      } else if (low_ >= kQ1 && high_ <= kQ3) {
        value_ -= kQ1;
        low_ -= kQ1;
        high_ -= kQ1;
      } else if (high_ > kQ2) {
        break;
      }
      low_ += low_;
      high_ += high_;
      value_ = 2 * value_ + in_.Bit();
    }
  }

  BitReader in_;
  Model model_;
  uint32_t low_ = 0, high_ = kQ4, value_ = 0;
};

// The published encoder: a binary search tree over the ring finds the
// longest match; the arithmetic coder shares the decoder's models.
class Encoder {
 public:
  std::vector<uint8_t> Run(std::span<const uint8_t> text) {
    if (text.empty()) return {};
    std::size_t next = 0;
    auto get = [&](int& c) {
      if (next >= text.size()) return false;
      c = text[next++];
      return true;
    };
    InitTree();
    int s = 0, r = kN - kF;
    for (int i = s; i < r; ++i) ring_[i] = ' ';
    int len = 0, c = 0;
    for (; len < kF && get(c); ++len) ring_[r + len] = static_cast<uint8_t>(c);
    for (int i = 1; i <= kF; ++i) InsertNode(r - i);
    InsertNode(r);
    do {
      if (matchLength_ > len) matchLength_ = len;
      if (matchLength_ <= kThreshold) {
        matchLength_ = 1;
        EncodeChar(ring_[r]);
      } else {
        EncodeChar(255 - kThreshold + matchLength_);
        EncodePosition(matchPosition_ - 1);
      }
      int last = matchLength_;
      int i = 0;
      for (; i < last && get(c); ++i) {
        DeleteNode(s);
        ring_[s] = static_cast<uint8_t>(c);
        if (s < kF - 1) ring_[s + kN] = static_cast<uint8_t>(c);
        s = (s + 1) & kMask;
        r = (r + 1) & kMask;
        InsertNode(r);
      }
      while (i++ < last) {
        DeleteNode(s);
        s = (s + 1) & kMask;
        r = (r + 1) & kMask;
        if (--len) InsertNode(r);
      }
    } while (len > 0);
    EncodeEnd();
    return std::move(out_);
  }

 private:
  static constexpr int kNil = kN;

  void InitTree() {
    for (int i = kN + 1; i <= kN + 256; ++i) rson_[i] = kNil;
    for (int i = 0; i < kN; ++i) dad_[i] = kNil;
  }

  void InsertNode(int r) {
    int cmp = 1;
    const uint8_t* key = &ring_[r];
    int p = kN + 1 + key[0];
    rson_[r] = lson_[r] = kNil;
    matchLength_ = 0;
    for (;;) {
      if (cmp >= 0) {
        if (rson_[p] != kNil) {
          p = rson_[p];
        } else {
          rson_[p] = r;
          dad_[r] = p;
          return;
        }
      } else {
        if (lson_[p] != kNil) {
          p = lson_[p];
        } else {
          lson_[p] = r;
          dad_[r] = p;
          return;
        }
      }
      int i = 1;
      for (; i < kF; ++i)
        if ((cmp = key[i] - ring_[p + i]) != 0) break;
      if (i > kThreshold) {
        if (i > matchLength_) {
          matchPosition_ = (r - p) & kMask;
          if ((matchLength_ = i) >= kF) break;
        } else if (i == matchLength_) {
          int temp = (r - p) & kMask;
          if (temp < matchPosition_) matchPosition_ = temp;
        }
      }
    }
    dad_[r] = dad_[p];
    lson_[r] = lson_[p];
    rson_[r] = rson_[p];
    dad_[lson_[p]] = r;
    dad_[rson_[p]] = r;
    if (rson_[dad_[p]] == p) rson_[dad_[p]] = r;
    else lson_[dad_[p]] = r;
    dad_[p] = kNil;
  }

  void DeleteNode(int p) {
    if (dad_[p] == kNil) return;
    int q;
    if (rson_[p] == kNil) {
      q = lson_[p];
    } else if (lson_[p] == kNil) {
      q = rson_[p];
    } else {
      q = lson_[p];
      if (rson_[q] != kNil) {
        do q = rson_[q];
        while (rson_[q] != kNil);
        rson_[dad_[q]] = lson_[q];
        dad_[lson_[q]] = dad_[q];
        lson_[q] = lson_[p];
        dad_[lson_[p]] = q;
      }
      rson_[q] = rson_[p];
      dad_[rson_[p]] = q;
    }
    dad_[q] = dad_[p];
    if (rson_[dad_[p]] == p) rson_[dad_[p]] = q;
    else lson_[dad_[p]] = q;
    dad_[p] = kNil;
  }

  void PutBit(int bit) {
    if (bit) bitBuffer_ |= bitMask_;
    if ((bitMask_ >>= 1) == 0) {
      out_.push_back(static_cast<uint8_t>(bitBuffer_));
      bitBuffer_ = 0;
      bitMask_ = 128;
    }
  }

  void Output(int bit) {
    PutBit(bit);
    for (; shifts_ > 0; --shifts_) PutBit(!bit);
  }

  void Narrow(uint32_t lowCum, uint32_t highCum, uint32_t total) {
    uint32_t range = high_ - low_;
    high_ = low_ + range * highCum / total;
    low_ += range * lowCum / total;
    for (;;) {
      if (high_ <= kQ2) {
        Output(0);
      } else if (low_ >= kQ2) {
        Output(1);
        low_ -= kQ2;
        high_ -= kQ2;
      } else if (low_ >= kQ1 && high_ <= kQ3) {
        ++shifts_;
        low_ -= kQ1;
        high_ -= kQ1;
      } else {
        break;
      }
      low_ += low_;
      high_ += high_;
    }
  }

  void EncodeChar(int ch) {
    int sym = model_.charToSym[ch];
    Narrow(model_.symCum[sym], model_.symCum[sym - 1], model_.symCum[0]);
    model_.Update(sym);
  }

  void EncodePosition(int position) {
    Narrow(model_.positionCum[position + 1], model_.positionCum[position],
           model_.positionCum[0]);
  }

  void EncodeEnd() {
    ++shifts_;
    Output(low_ < kQ1 ? 0 : 1);
    for (int i = 0; i < 7; ++i) PutBit(0);
  }

  // The ring keeps a copy of its first F - 1 bytes after its end, so a
  // comparison never wraps.
  std::array<uint8_t, kN + kF - 1> ring_{};
  std::array<int, kN + 1> lson_{};
  std::array<int, kN + 257> rson_{};
  std::array<int, kN + 1> dad_{};
  int matchPosition_ = 0, matchLength_ = 0;

  Model model_;
  uint32_t low_ = 0, high_ = kQ4;
  int shifts_ = 0;
  unsigned bitBuffer_ = 0, bitMask_ = 128;
  std::vector<uint8_t> out_;
};

}  // namespace

void LzariExpand(std::span<const uint8_t> code, uint8_t* out, std::size_t size,
                 const lzari::Progress& progress) {
  if (size == 0) return;
  Decoder decoder(code);
  uint8_t ring[kN];
  std::memset(ring, ' ', kN - kF);
  std::memset(ring + kN - kF, 0, kF);
  int r = kN - kF;
  std::size_t count = 0;
  const std::size_t every = std::max<std::size_t>(progress.every, 1);
  std::size_t untilStep = every;
  while (count < size) {
    int c = decoder.Char();
    if (c < 256) {
      out[count++] = static_cast<uint8_t>(c);
      ring[r] = static_cast<uint8_t>(c);
      r = (r + 1) & kMask;
    } else {
      int from = (r - decoder.Position() - 1) & kMask;
      std::size_t length = static_cast<std::size_t>(c - 255 + kThreshold);
      // A match may not run past the size the file gives.
      length = std::min(length, size - count);
      for (std::size_t k = 0; k < length; ++k) {
        uint8_t b = ring[(from + static_cast<int>(k)) & kMask];
        out[count++] = b;
        ring[r] = b;
        r = (r + 1) & kMask;
      }
    }
    if (--untilStep == 0) {
      untilStep = every;
      if (progress.step) progress.step();
    }
  }
}

std::vector<uint8_t> LzariCompress(std::span<const uint8_t> text) {
  // About 70 kB of tree and model: too much for the stack of a fuzz run.
  auto encoder = std::make_unique<Encoder>();
  return encoder->Run(text);
}

}  // namespace ionvue
