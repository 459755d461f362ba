#include "viewer/formats/msdcs_body.h"

#include <algorithm>
#include <span>
#include <vector>

#include "platform/host.h"
#include "viewer/core/spectrum.h"
#include "viewer/formats/compression.h"

namespace ionvue {

namespace {

constexpr std::size_t kHeaderField = 4;
constexpr std::size_t kProgressSteps = 50;

uint32_t LoadLE32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

// A walk over the group headers alone: how many of the wanted codes the
// stream really holds, and group-aligned places to cut the read so the
// loading window can advance between the pieces.
struct GroupPlan {
  struct Mark {
    std::size_t bytes;  // end of the piece in the stream
    std::size_t codes;  // codes held up to there
  };
  std::size_t codes = 0;
  std::vector<Mark> marks;
  std::size_t groups = 0;  // whole groups before an error
  GroupError error = GroupError::kNone;
};

GroupPlan PlanGroups(std::span<const uint8_t> data, std::size_t wanted) {
  GroupPlan plan;
  const std::size_t every = std::max<std::size_t>(wanted / kProgressSteps, 1);
  std::size_t pos = 0, marked = 0;
  while (plan.codes < wanted) {
    const std::size_t left = data.size() - pos;
    if (left < kHeaderField) {
      plan.error = GroupError::kFieldCount;
      break;
    }
    if (left < kHeaderField + 1) {
      plan.error = GroupError::kByteCount;
      break;
    }
    const int32_t stated = static_cast<int32_t>(LoadLE32(data.data() + pos));
    const std::size_t width = data[pos + kHeaderField];
    if (stated < 1 || width > static_cast<std::size_t>(compression::kMaxWidth)) {
      plan.error = GroupError::kGroupData;
      break;
    }
    std::size_t n = static_cast<std::size_t>(stated) - 1;
    const std::size_t room = left - kHeaderField - 1;
    const bool cut = width != 0 && n > room / width;
    if (cut) n = room / width;
    plan.codes += std::min(n, wanted - plan.codes);
    if (cut) {
      plan.error = GroupError::kGroupData;
      break;
    }
    pos += kHeaderField + 1 + n * width;
    ++plan.groups;
    if (plan.codes - marked >= every && plan.codes < wanted) {
      plan.marks.push_back({pos, plan.codes});
      marked = plan.codes;
    }
  }
  return plan;
}

const char* StreamMessage(const GroupPlan& plan) {
  // Only the first group's header has messages of its own.
  return GroupErrorMessage(plan.groups == 0 ? plan.error : GroupError::kGroupData);
}

void Step(Host& host, ProgressWindow* progress) {
  if (progress) progress->StepIt();
  host.DispatchPendingMessages();
}

}  // namespace

bool ReadDcsBody(Host& host, ProgressWindow* progress, TextCursor& cursor, int64_t length,
                 const DcsBodyLayout& layout, CSpectrum& spectrum) {
  spectrum.m_pLabels.clear();
  spectrum.m_dRecentStart = spectrum.m_dRecentEnd = 0.0;

  // One past the guard, so that a stream really holding more is refused
  // as too large rather than cut.
  const std::size_t wanted = static_cast<std::size_t>(
      std::clamp<int64_t>(length, 0, int64_t{CSpectrum::kMaxSamples} + 1));
  std::span<const uint8_t> data = cursor.rest();
  const GroupPlan plan = PlanGroups(data, wanted);
  if (plan.codes > static_cast<std::size_t>(CSpectrum::kMaxSamples) ||
      !spectrum.Resize(static_cast<int>(plan.codes))) {
    spectrum.Resize(0);
    host.Message(CSpectrum::kInsufficientMemory, MessageIcon::Stop);
    return false;
  }

  uint32_t* codes = AsCodes(spectrum.m_pData.get());
  std::size_t fromByte = 0, fromCode = 0;
  for (const GroupPlan::Mark& mark : plan.marks) {
    UnpackGroups(data.subspan(fromByte, mark.bytes - fromByte), GroupHeader::kFourByte,
                 codes + fromCode, mark.codes - fromCode);
    fromByte = mark.bytes;
    fromCode = mark.codes;
    Step(host, progress);
  }
  const GroupReadResult last = UnpackGroups(data.subspan(fromByte), GroupHeader::kFourByte,
                                            codes + fromCode, plan.codes - fromCode);
  Step(host, progress);
  DecodeSamples(spectrum.m_pData.get(), plan.codes);

  if (plan.codes < wanted) {
    // What follows a broken stream is not label data.
    host.Message(StreamMessage(plan));
    return true;
  }
  // The last group needed was cut off by the end of the data: every sample
  // is there, but nothing follows.
  if (plan.error != GroupError::kNone) return true;
  cursor.Skip(fromByte + last.bytes);

  int32_t labelCount = 0;
  if (!cursor.ReadInt32(labelCount)) return true;
  // A count larger than the labels present ends with the data; labels
  // beyond the spectrum's capacity are read and dropped.
  for (int32_t i = 0; i < labelCount; ++i) {
    CLabel label;
    const LabelLinesResult read = ReadLabelLines(cursor, layout.labelCharge, label);
    if (read == LabelLinesResult::kNoTextEnd && layout.reportLabelText) host.Message("Error");
    // The recent range cannot be found after a broken label.
    if (read != LabelLinesResult::kLabel) return true;
    spectrum.AddLabel(label);
  }
  ReadRecentRange(cursor, spectrum.m_dRecentStart, spectrum.m_dRecentEnd);
  cursor.Skip(1);  // trailer
  return true;
}

}  // namespace ionvue
