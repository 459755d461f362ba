// Markup parsing over large texts: time must grow with the size of the text,
// whatever its shape (many elements, one big payload, nesting at the limit,
// long runs of the characters the scanner looks for).

#include <benchmark/benchmark.h>

#include <string>

#include "markup/markup_node.h"

namespace {

using ionvue::CMarkupNode;
using ionvue::MarkupProfile;

void Parse(benchmark::State& state, const std::string& text, MarkupProfile profile) {
  for (auto _ : state) {
    CMarkupNode node(profile);
    int counter = 0;
    benchmark::DoNotOptimize(node.Parse(text, counter));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
  state.SetComplexityN(static_cast<int64_t>(text.size()));
}

// A bioml-like document of peptides with their domains.
std::string Peptides(size_t bytes) {
  std::string text = "<bioml label=\"digest\">\r\n<file URL=\"c:/data/1/1r\"/>\r\n";
  while (text.size() < bytes) {
    text += "<peptide start=\"12\" end=\"40\">\r\n";
    text += "\t<domain label=\"T12\" mass=\"1234.5678\" state=\"show\">AB&amp;CD &mu;</domain>\r\n";
    text += "\t<domain label=\"T13\" mass=\"998.1\" state=\"hide\"/>\r\n";
    text += "</peptide>\r\n";
  }
  return text + "</bioml>\r\n";
}

void BM_ViewerPeptides(benchmark::State& state) {
  Parse(state, Peptides(static_cast<size_t>(state.range(0))), MarkupProfile::Viewer);
}
BENCHMARK(BM_ViewerPeptides)->RangeMultiplier(4)->Range(1 << 18, 1 << 24)->Complexity(benchmark::oN);

// One binary element carrying most of the text, as setup measures it.
void BM_SetupBigPayload(benchmark::State& state) {
  const size_t n = static_cast<size_t>(state.range(0));
  std::string payload(n, '\0');
  for (size_t i = 0; i < n; ++i) payload[i] = static_cast<char>(i * 131 % 251);
  const std::string text = "<setupML><data><binary length=\"" + std::to_string(n) + "\">" + payload +
                           "</binary></data></setupML>";
  Parse(state, text, MarkupProfile::Setup);
}
BENCHMARK(BM_SetupBigPayload)->RangeMultiplier(4)->Range(1 << 18, 1 << 24)->Complexity(benchmark::oN);

// Nested to the depth limit, with the bulk of the text at the bottom.
void BM_DeepAndWide(benchmark::State& state) {
  std::string text;
  for (int i = 1; i < CMarkupNode::kMaxDepth - 1; ++i) text += "<level>";
  while (text.size() < static_cast<size_t>(state.range(0))) text += "<leaf a=\"1\">text</leaf>";
  for (int i = 1; i < CMarkupNode::kMaxDepth - 1; ++i) text += "</level>";
  Parse(state, text, MarkupProfile::Setup);
}
BENCHMARK(BM_DeepAndWide)->RangeMultiplier(4)->Range(1 << 16, 1 << 22)->Complexity(benchmark::oN);

// Shapes that make naive scanning quadratic: nested script blocks, tags
// that never close, and an attribute of ampersands.
void BM_NestedScripts(benchmark::State& state) {
  std::string text = "<bioml>";
  const int blocks = static_cast<int>(state.range(0));
  for (int i = 0; i < blocks; ++i) text += "<script>";
  for (int i = 0; i < blocks; ++i) text += "</script>";
  text += "</bioml>";
  Parse(state, text, MarkupProfile::Viewer);
}
BENCHMARK(BM_NestedScripts)->RangeMultiplier(4)->Range(1 << 12, 1 << 18)->Complexity(benchmark::oN);

void BM_UnclosedTags(benchmark::State& state) {
  std::string text = "<r>";
  while (text.size() < static_cast<size_t>(state.range(0))) text += "<r <r ";
  text += "></r>";
  Parse(state, text, MarkupProfile::Setup);
}
BENCHMARK(BM_UnclosedTags)->RangeMultiplier(4)->Range(1 << 14, 1 << 20)->Complexity(benchmark::oN);

void BM_Ampersands(benchmark::State& state) {
  const std::string text = "<r v=\"" + std::string(static_cast<size_t>(state.range(0)), '&') + " \"/>";
  Parse(state, text, MarkupProfile::Viewer);
}
BENCHMARK(BM_Ampersands)->RangeMultiplier(4)->Range(1 << 14, 1 << 22)->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
