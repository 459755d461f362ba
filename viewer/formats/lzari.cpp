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

// Eight 16-bit lanes; the compiler maps them to the machine's vector unit.
typedef int16_t Lanes __attribute__((vector_size(16)));
constexpr int kLanes = 8;
// Cumulative frequencies padded with zeros to whole vectors.
constexpr int kCumSlots = (kCharSymbols + 1 + kLanes - 1) / kLanes * kLanes;

inline Lanes LoadLanes(const int16_t* p) {
  Lanes v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

inline void StoreLanes(int16_t* p, Lanes v) { std::memcpy(p, &v, sizeof v); }

// The cumulative frequencies come in chunks of eight: symCum[k] =
// inner[k] + tails[k / 8], where tails[c] is the chunk's last entry. Adding
// 1 to symCum[0 .. i - 1] then touches the tails of the chunks before i and
// one chunk of inner sums, instead of i entries.
constexpr int kChunks = kCumSlots / kLanes;
constexpr int kTailSlots = (kChunks + kLanes - 1) / kLanes * kLanes;

const Lanes kLane = {0, 1, 2, 3, 4, 5, 6, 7};

// Adds 1 to the first n entries of v[0 .. 8 * vectors - 1].
inline void IncrementFirst(int16_t* v, int vectors, int n) {
  const Lanes limit = static_cast<int16_t>(n) - kLane;
  for (int k = 0; k < vectors; ++k) {
    Lanes below = static_cast<int16_t>(k * kLanes) < limit;  // -1 where k * 8 + lane < n
    StoreLanes(v + k * kLanes, LoadLanes(v + k * kLanes) - below);
  }
}

// The number of lanes of v[0 .. 8 * vectors - 1] plus `add` above x.
inline int CountAbove(const int16_t* v, int vectors, int16_t add, int16_t x) {
  const Lanes key = Lanes{} + x;
  Lanes count = {};
  for (int k = 0; k < vectors; ++k) count -= (LoadLanes(v + k * kLanes) + add) > key;
  // Sum the lanes (each below 2^12) four at a time in 64-bit words.
  uint64_t half[2];
  std::memcpy(half, &count, sizeof half);
  uint64_t four = half[0] + half[1];
  return static_cast<int>((four * 0x0001000100010001ull) >> 48);
}

// The adaptive character model. Symbols are kept sorted by falling
// frequency (frequent characters at small indices). Cumulative frequencies
// never exceed MAX_CUM, so they fit 16-bit lanes and the search and update
// run over a few whole vectors.
struct Model {
  std::array<int, kCharSymbols> charToSym;
  std::array<int, kCharSymbols + 1> symToChar;
  std::array<uint16_t, kCharSymbols + 1> symFreq;
  alignas(16) std::array<int16_t, kCumSlots> inner{};
  alignas(16) std::array<int16_t, kTailSlots> tails{};

  Model() {
    for (int sym = kCharSymbols; sym >= 1; --sym) {
      int ch = sym - 1;
      charToSym[ch] = sym;
      symToChar[sym] = ch;
      symFreq[sym] = 1;
    }
    symFreq[0] = 0;  // sentinel, never equal to symFreq[1]
    Rebuild();
  }

  uint32_t Cum(int sym) const {
    return static_cast<uint32_t>(inner[sym] + tails[sym / kLanes]);
  }

  // Cumulative frequencies from the frequencies: symCum[k] = the sum of
  // symFreq[j] for k < j <= N_CHAR.
  void Rebuild() {
    int cum[kCumSlots] = {};
    for (int k = kCharSymbols - 1; k >= 0; --k) cum[k] = cum[k + 1] + symFreq[k + 1];
    for (int c = 0; c < kChunks; ++c) {
      tails[c] = static_cast<int16_t>(cum[c * kLanes + kLanes - 1]);
      for (int k = c * kLanes; k < (c + 1) * kLanes; ++k)
        inner[k] = static_cast<int16_t>(cum[k] - tails[c]);
    }
  }

  void Update(int sym) {
    if (Cum(0) >= kMaxCum) {
      for (int i = kCharSymbols; i > 0; --i)
        symFreq[i] = static_cast<uint16_t>((symFreq[i] + 1) >> 1);
      Rebuild();
    }
    // The first symbol of the run of equal frequencies that holds sym. The
    // frequencies fall with the index (from 1 on), so the run is found by
    // bisection; right after the start or a halving runs are long.
    const uint16_t f = symFreq[sym];
    int i = sym;
    if (symFreq[sym - 1] == f) {
      int lo = 1, hi = sym - 1;  // symFreq[hi] == f
      while (lo < hi) {
        int mid = (lo + hi) / 2;
        if (symFreq[mid] == f) hi = mid;
        else lo = mid + 1;
      }
      i = lo;
    }
    if (i < sym) {
      int chI = symToChar[i];
      int chSym = symToChar[sym];
      symToChar[i] = chSym;
      symToChar[sym] = chI;
      charToSym[chI] = sym;
      charToSym[chSym] = i;
    }
    ++symFreq[i];
    // symCum[0 .. i - 1] += 1: whole chunks before i's chunk through their
    // tails, the start of i's own chunk through its inner sums.
    const int chunk = i / kLanes;
    IncrementFirst(tails.data(), kTailSlots / kLanes, chunk);
    IncrementFirst(&inner[chunk * kLanes], 1, i - chunk * kLanes);
  }

  // The symbol with symCum[sym] <= x < symCum[sym - 1]: as the cumulative
  // frequencies fall with the index, it is the number of entries above x.
  int FindSymbol(uint32_t x) const {
    const int16_t key = static_cast<int16_t>(x);
    // Chunks whose last entry is above x lie wholly above it; the first
    // other chunk holds the symbol (the zero padding ends the last chunk).
    int chunk = CountAbove(tails.data(), kTailSlots / kLanes, 0, key);
    return chunk * kLanes + CountAbove(&inner[chunk * kLanes], 1, tails[chunk], key);
  }
};

// The fixed position model, with a table from the scaled code value to its
// position so a match costs no search.
struct PositionModel {
  std::array<uint32_t, kN + 1> cum;
  std::vector<uint16_t> positionOf;

  PositionModel() {
    cum[kN] = 0;
    for (int i = kN; i >= 1; --i) cum[i - 1] = cum[i] + 10000 / (i + 200);
    positionOf.resize(cum[0]);
    for (int p = 0; p < kN; ++p)
      for (uint32_t x = cum[p + 1]; x < cum[p]; ++x) positionOf[x] = static_cast<uint16_t>(p);
  }

  static const PositionModel& Get() {
    static const PositionModel model;
    return model;
  }
};

// Most significant bit first; zeros once the bytes run out.
class BitReader {
 public:
  explicit BitReader(std::span<const uint8_t> bytes)
      : p_(bytes.data()), end_(bytes.data() + bytes.size()) {}

  // The next n bits (0 <= n <= 17) as a number.
  uint32_t Take(int n) {
    if (bits_ < n) Refill();
    // In two shifts, so that n = 0 yields 0 without a branch.
    uint32_t v = static_cast<uint32_t>(buffer_ >> (63 - n) >> 1);
    buffer_ <<= n;
    bits_ -= n;
    return v;
  }

 private:
  void Refill() {
    if (end_ - p_ >= 8) {
      // Top up to at least 56 valid bits with whole bytes.
      int room = (64 - bits_) / 8;
      uint64_t next = 0;
      for (int i = 0; i < 8; ++i) next = next << 8 | p_[i];
      buffer_ |= next >> bits_;
      p_ += room;
      bits_ += 8 * room;
      return;
    }
    while (bits_ <= 56 && p_ < end_) {
      buffer_ |= uint64_t{*p_++} << (56 - bits_);
      bits_ += 8;
    }
    if (p_ == end_) bits_ = 64;  // the rest of the buffer is zeros
  }

  const uint8_t* p_;
  const uint8_t* end_;
  uint64_t buffer_ = 0;
  int bits_ = 0;
};

class Decoder {
 public:
  explicit Decoder(std::span<const uint8_t> code)
      : in_(code), positions_(PositionModel::Get()) {
    value_ = in_.Take(kPrecision + 2);
  }

  int Char() {
    uint32_t range = high_ - low_;
    // value_ stays inside [low_, high_) for any input bits, and range
    // exceeds Q1 after every renormalisation, so these products fit in
    // 32 bits (Q4 * MAX_CUM < 2^32) and every symbol interval is non-empty.
    uint32_t total = model_.Cum(0);
    int sym = model_.FindSymbol(((value_ - low_ + 1) * total - 1) / range);
    high_ = low_ + range * model_.Cum(sym - 1) / total;
    low_ += range * model_.Cum(sym) / total;
    Renormalise();
    int ch = model_.symToChar[sym];
    model_.Update(sym);
    return ch;
  }

  int Position() {
    uint32_t range = high_ - low_;
    uint32_t total = positions_.cum[0];
    int position = positions_.positionOf[((value_ - low_ + 1) * total - 1) / range];
    high_ = low_ + range * positions_.cum[position] / total;
    low_ += range * positions_.cum[position + 1] / total;
    Renormalise();
    return position;
  }

 private:
  // The published loop doubles the interval one bit at a time: while both
  // ends lie in one half, then while they straddle the middle quarter. Both
  // runs are counted from the bits of the ends and done in one shift each.
  void Renormalise() {
    constexpr uint32_t kMask = kQ4 - 1;
    uint32_t top = high_ - 1;
    // Common leading bits of the two ends (17-bit values).
    uint32_t differ = low_ ^ top;
    int same = differ ? __builtin_clz(differ) - 15 : kPrecision + 2;
    // Shifts of 0 are harmless: the renormalisation stays free of
    // branches that no predictor could learn.
    low_ = (low_ << same) & kMask;
    top = ((top << same) | ((1u << same) - 1)) & kMask;
    value_ = ((value_ << same) | in_.Take(same)) & kMask;
    // Now low_ < Q2 <= top. Middle quarter: low_ = 01..., top = 10...; each
    // step keeps doing so while low_ has a 1 and top a 0 in the next place.
    uint32_t straddle = (low_ & ~top) << 16;  // bit 15 to bit 31
    int middle = __builtin_clz(~straddle | 0x8000u);
    // Relative to the middle Q2 each step is a plain doubling.
    low_ = ((low_ - kQ2) << middle) + kQ2;
    top = (((top - kQ2) << middle) | ((1u << middle) - 1)) + kQ2;
    value_ = (((value_ - kQ2) << middle) | in_.Take(middle)) + kQ2;
    high_ = top + 1;
  }

  BitReader in_;
  Model model_;
  const PositionModel& positions_;
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
    Narrow(model_.Cum(sym), model_.Cum(sym - 1), model_.Cum(0));
    model_.Update(sym);
  }

  void EncodePosition(int position) {
    const auto& cum = PositionModel::Get().cum;
    Narrow(cum[position + 1], cum[position], cum[0]);
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
