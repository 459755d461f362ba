#include "markup/markup_node.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "markup/markup_messages.h"
#include "platform/scripted_host.h"

namespace ionvue {
namespace {

using Texts = std::vector<std::string>;

class MarkupNodeTest : public ::testing::Test {
 protected:
  // Parses `source` into `node` with the scripted host; returns the result.
  bool Parse(CMarkupNode& node, std::string_view source) {
    int counter = 0;
    return node.Parse(source, counter);
  }
  CMarkupNode ViewerNode() { return CMarkupNode(MarkupProfile::Viewer, &host_); }
  CMarkupNode SetupNode() { return CMarkupNode(MarkupProfile::Setup, &host_); }

  static std::string Written(const CMarkupNode& node) {
    std::ostringstream out;
    node.Write(out);
    return out.str();
  }

  ScriptedHost host_;
};

TEST_F(MarkupNodeTest, ElementWithAttributesTextAndEmptyChild) {
  for (MarkupProfile profile : {MarkupProfile::Viewer, MarkupProfile::Setup}) {
    CMarkupNode node(profile, &host_);
    ASSERT_TRUE(Parse(node, "<a x=\"1\" y=\"two\">hi<b />there</a>"));
    EXPECT_EQ(node.GetName(), "a");
    EXPECT_EQ(node.GetAttribute("x"), "1");
    EXPECT_EQ(node.GetAttribute("y"), "two");
    EXPECT_EQ(node.GetText(), "hithere");
    EXPECT_EQ(node.GetTextLength(), 7u);
    ASSERT_EQ(node.GetChildCount(), 1);
    const CMarkupNode* b = node.GetChild(0);
    EXPECT_EQ(b->GetName(), "b");
    EXPECT_TRUE(b->IsEmpty());
    EXPECT_EQ(b->GetTextLength(), 0u);
    EXPECT_EQ(b->GetChildCount(), 0);
  }
  EXPECT_TRUE(host_.Messages().empty());
}

TEST_F(MarkupNodeTest, SlashWithoutBlankBelongsToTheChildName) {
  CMarkupNode node = ViewerNode();
  ASSERT_TRUE(Parse(node, "<a>x<b/>y</a>"));
  ASSERT_EQ(node.GetChildCount(), 1);
  const CMarkupNode* b = node.GetChild(0);
  EXPECT_EQ(b->GetName(), "b/");
  EXPECT_FALSE(b->IsEmpty());
  EXPECT_EQ(b->GetText(), "");
  EXPECT_EQ(node.GetText(), "xy");
}

TEST_F(MarkupNodeTest, AttributeLookupIsExactAndMissingReadsEmpty) {
  CMarkupNode node = SetupNode();
  ASSERT_TRUE(Parse(node, "<file name=\"ionvue.exe\" Name=\"other\" name=\"later\" sub=\"\"/>"));
  std::string value = "stale";
  EXPECT_TRUE(node.GetAttribute("name", value));
  EXPECT_EQ(value, "later");
  EXPECT_EQ(node.GetAttribute("Name"), "other");
  EXPECT_TRUE(node.GetAttribute("sub", value));
  EXPECT_EQ(value, "");
  EXPECT_FALSE(node.GetAttribute("NAME", value));
  EXPECT_EQ(value, "");
  // A repeated name keeps its first place.
  ASSERT_EQ(node.GetAttributes().size(), 3u);
  EXPECT_EQ(node.GetAttributes()[0].name, "name");
  EXPECT_EQ(node.GetAttributes()[1].name, "Name");
}

TEST_F(MarkupNodeTest, NestedElementsOfTheSameNameMatchTheirOwnEndTags) {
  CMarkupNode node = ViewerNode();
  ASSERT_TRUE(Parse(node, "<list><item>one<item/><item x=\"1\" /><item>two</item></item><item>three</item></list>"));
  ASSERT_EQ(node.GetChildCount(), 2);
  const CMarkupNode* outer = node.GetChild(0);
  EXPECT_EQ(outer->GetText(), "one");
  ASSERT_EQ(outer->GetChildCount(), 3);
  EXPECT_EQ(outer->GetChild(0)->GetName(), "item/");
  EXPECT_TRUE(outer->GetChild(1)->IsEmpty());
  EXPECT_EQ(outer->GetChild(2)->GetText(), "two");
  EXPECT_EQ(node.GetChild(1)->GetText(), "three");
}

TEST_F(MarkupNodeTest, EndTagsNameTheElementWhole) {
  CMarkupNode node = SetupNode();
  ASSERT_TRUE(Parse(node, "<r><a><ab>x</ab><c/></a ><a\r\n>y</a\t></r>"));
  ASSERT_EQ(node.GetChildCount(), 2);
  const CMarkupNode* a = node.GetChild(0);
  ASSERT_EQ(a->GetChildCount(), 2);
  EXPECT_EQ(a->GetChild(0)->GetText(), "x");
  EXPECT_EQ(a->GetChild(1)->GetName(), "c/");
  EXPECT_EQ(node.GetChild(1)->GetText(), "y");
}

TEST_F(MarkupNodeTest, BinaryPayloadIsTakenByItsDeclaredLength) {
  // The payload holds bytes that look like markup; the parent skips them.
  const std::string payload = "<a>/";
  CMarkupNode node = ViewerNode();
  ASSERT_TRUE(Parse(node, "<doc><binary length=\"4\">" + payload + "</binary><c/></doc>"));
  ASSERT_EQ(node.GetChildCount(), 2);
  const CMarkupNode* binary = node.GetChild(0);
  EXPECT_TRUE(binary->IsBinary());
  EXPECT_EQ(binary->GetTextLength(), 4u);
  EXPECT_EQ(binary->GetText(), payload);
  EXPECT_EQ(node.GetChild(1)->GetName(), "c/");
}

TEST_F(MarkupNodeTest, SetupPayloadMayHoldZeroBytes) {
  const std::string payload("\0\x01>\0", 4);
  const std::string source = "<doc><binary length=\"4\">" + payload + "</binary><tail/></doc>";
  CMarkupNode setup = SetupNode();
  ASSERT_TRUE(Parse(setup, source));
  ASSERT_EQ(setup.GetChildCount(), 2);
  EXPECT_EQ(setup.GetChild(0)->GetText(), payload);
  EXPECT_EQ(setup.GetChild(1)->GetName(), "tail/");

  // The viewer reads a C string: the text ends at the first zero.
  CMarkupNode viewer = ViewerNode();
  EXPECT_FALSE(Parse(viewer, source));
}

TEST_F(MarkupNodeTest, TextLinesJoinWithOneBlank) {
  CMarkupNode node = SetupNode();
  ASSERT_TRUE(Parse(node, "<p>first line\r\n\tsecond line\rthird\nfourth</p>"));
  EXPECT_EQ(node.GetText(), "first line second line third fourth");
}

TEST_F(MarkupNodeTest, TextEndsAtTheFirstClosingTagAndKeepsDeclarations) {
  CMarkupNode node = SetupNode();
  ASSERT_TRUE(Parse(node, "<p>a<!-- note --><?pi?>b</q>lost<c/></p>"));
  EXPECT_EQ(node.GetText(), "a<!-- note --><?pi?>b");
  // Children after the stray end tag still belong to the element.
  EXPECT_EQ(node.GetChildCount(), 1);
}

TEST_F(MarkupNodeTest, ViewerDecodesTextEntitiesExceptInNamedTexts) {
  CMarkupNode node = ViewerNode();
  ASSERT_TRUE(Parse(node,
                    "<r>5&mu;l&virgule;min &amp; more"
                    "<note>&mu;</note><namestring>&degree;</namestring><species>&mu;</species>"
                    "<copyright2>&mu;</copyright2><other>&mu;</other></r>"));
  EXPECT_EQ(node.GetText(), "5\xB5l/min &amp; more");
  ASSERT_EQ(node.GetChildCount(), 5);
  EXPECT_EQ(node.GetChild(0)->GetText(), "&mu;");
  EXPECT_EQ(node.GetChild(1)->GetText(), "&degree;");
  EXPECT_EQ(node.GetChild(2)->GetText(), "&mu;");
  EXPECT_EQ(node.GetChild(3)->GetText(), "&mu;");
  EXPECT_EQ(node.GetChild(4)->GetText(), "\xB5");

  CMarkupNode setup = SetupNode();
  ASSERT_TRUE(Parse(setup, "<r v=\"a&amp;b\">5&mu;l</r>"));
  EXPECT_EQ(setup.GetText(), "5&mu;l");
  EXPECT_EQ(setup.GetAttribute("v"), "a&amp;b");
}

TEST_F(MarkupNodeTest, ViewerDecodesAttributeEntities) {
  CMarkupNode node = ViewerNode();
  ASSERT_TRUE(Parse(node, "<e a=\"a&amp;b\" b=\"&#65;\" c=\"x&unknown;y\" d=\"& stays\"/>"));
  EXPECT_EQ(node.GetAttribute("a"), "a&b");
  EXPECT_EQ(node.GetAttribute("b"), "A");
  EXPECT_EQ(node.GetAttribute("c"), "xy");
  EXPECT_EQ(node.GetAttribute("d"), "& stays");
}

TEST_F(MarkupNodeTest, ScriptBlocksVanishBeforeParsing) {
  CMarkupNode node = ViewerNode();
  ASSERT_TRUE(Parse(node, "<script>x</script><a>b<script type=\"t\">if (a<b) f();</script>c</a>"));
  EXPECT_EQ(node.GetName(), "a");
  EXPECT_EQ(node.GetText(), "bc");
  EXPECT_EQ(node.GetChildCount(), 0);
  EXPECT_TRUE(host_.Messages().empty());
}

TEST_F(MarkupNodeTest, UnendedScriptIsReportedOnceAndLeftInPlace) {
  CMarkupNode node = ViewerNode();
  ASSERT_TRUE(Parse(node, "<a><b><script src=\"s.js\"/><c/></b></a>"));
  EXPECT_EQ(host_.Messages(), Texts{markup_text::kScriptEndMissing});
  ASSERT_EQ(node.GetChildCount(), 1);
  ASSERT_EQ(node.GetChild(0)->GetChildCount(), 2);
  EXPECT_EQ(node.GetChild(0)->GetChild(0)->GetName(), "script");
  EXPECT_TRUE(node.GetChild(0)->GetChild(0)->IsEmpty());
}

TEST_F(MarkupNodeTest, ElementsAreNumberedInDocumentOrder) {
  CMarkupNode node = SetupNode();
  int counter = 0;
  ASSERT_TRUE(node.Parse("<r><a><b/><c></c></a><d/></r>", counter));
  EXPECT_EQ(counter, 5);
  EXPECT_EQ(node.GetIndex(), 0);
  const CMarkupNode* a = node.GetChild(0);
  EXPECT_EQ(a->GetIndex(), 1);
  EXPECT_EQ(a->GetChild(0)->GetIndex(), 2);
  EXPECT_EQ(a->GetChild(1)->GetIndex(), 3);
  EXPECT_EQ(node.GetChild(1)->GetIndex(), 4);
}

TEST_F(MarkupNodeTest, ViewerLetsTheHostBreatheBeforeEachElement) {
  CMarkupNode viewer = ViewerNode();
  ASSERT_TRUE(Parse(viewer, "<r><a/><b><c/></b></r>"));
  EXPECT_EQ(host_.dispatches(), 4);
  CMarkupNode setup = SetupNode();
  ASSERT_TRUE(Parse(setup, "<r><a/><b><c/></b></r>"));
  EXPECT_EQ(host_.dispatches(), 4);
}

TEST_F(MarkupNodeTest, TextBeforeTheRootAndElementsAfterItAreIgnored) {
  CMarkupNode node = ViewerNode();
  ASSERT_TRUE(Parse(node, "<?xml version=\"1.0\"?>\r\npreamble <!DOCTYPE x><bioml a=\"1\"><file URL=\"x\"/></bioml>\r\n<after/>"));
  EXPECT_EQ(node.GetName(), "bioml");
  EXPECT_EQ(node.GetChildCount(), 1);
}

TEST_F(MarkupNodeTest, RootWithoutEndTagRunsToTheEnd) {
  CMarkupNode node = SetupNode();
  ASSERT_TRUE(Parse(node, "<setupML>\r\n<copy>\r\n<file name=\"a.exe\"/>\r\n</copy>\r\n"));
  ASSERT_EQ(node.GetChildCount(), 1);
  EXPECT_EQ(node.GetChild(0)->GetChild(0)->GetAttribute("name"), "a.exe");
  EXPECT_EQ(node.GetText(), "");  // no closing tag of its own
}

TEST_F(MarkupNodeTest, LongNamesAreCut) {
  const std::string name(300, 'n');
  CMarkupNode node = SetupNode();
  ASSERT_TRUE(Parse(node, "<" + name + ">t</" + name + ">"));
  EXPECT_EQ(node.GetName(), name.substr(0, 255));
  EXPECT_EQ(node.GetText(), "t");
}

struct FailureCase {
  const char* label;
  std::string source;
  const char* message;
};

class MarkupFailureTest : public MarkupNodeTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(MarkupFailureTest, ShowsItsMessageAndLeavesTheNodeUnparsed) {
  for (MarkupProfile profile : {MarkupProfile::Viewer, MarkupProfile::Setup}) {
    host_.ClearEvents();
    CMarkupNode node(profile, &host_);
    EXPECT_FALSE(Parse(node, GetParam().source));
    EXPECT_EQ(host_.Messages(), Texts{GetParam().message});
    EXPECT_FALSE(node.IsParsed());
    EXPECT_EQ(node.GetName(), "");
    EXPECT_EQ(node.GetChildCount(), 0);
    EXPECT_EQ(node.GetChild(0), nullptr);
    EXPECT_EQ(node.GetAttribute("x"), "");
    EXPECT_EQ(node.GetIndex(), -1);
    if (profile == MarkupProfile::Setup)
      EXPECT_EQ(node.GetErrors(), std::string("1. ") + GetParam().message + "\r\n");
    else
      EXPECT_EQ(node.GetErrors(), "");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Messages, MarkupFailureTest,
    ::testing::Values(
        FailureCase{"NoTag", "just text", markup_text::kAttributeParsingError},
        FailureCase{"Empty", "", markup_text::kAttributeParsingError},
        FailureCase{"TagNeverEnds", "<a x=\"1\"", markup_text::kAttributeParsingError},
        FailureCase{"EmptyName", "<>t</>", markup_text::kTextParsingError},
        FailureCase{"ChildWithEmptyName", "<a>< >x</></a>", markup_text::kTextParsingError},
        FailureCase{"ChildWithoutEndTag", "<a><b>text</a>", markup_text::kObjectParsingError},
        FailureCase{"ChildTagNeverEnds", "<a>text <b", markup_text::kObjectParsingError},
        FailureCase{"DeepChildFailsTheWhole", "<a><b><c><d>x</c></b></a>", markup_text::kObjectParsingError},
        FailureCase{"ChildPayloadPastEnd", "<a><binary length=\"9\">abc</binary></a>",
                    markup_text::kObjectParsingError}),
    [](const auto& info) { return info.param.label; });

TEST_F(MarkupNodeTest, RootPayloadPastTheEndFails) {
  CMarkupNode viewer = ViewerNode();
  EXPECT_FALSE(Parse(viewer, "<binary length=\"99\">abc</binary>"));
  EXPECT_EQ(host_.Messages(), Texts{markup_text::kTextParsingError});
  host_.ClearEvents();
  CMarkupNode negative = ViewerNode();
  EXPECT_FALSE(Parse(negative, "<binary length=\"-2\">abc</binary>"));
  EXPECT_EQ(host_.Messages(), Texts{markup_text::kTextParsingError});
}

TEST_F(MarkupNodeTest, NodeIsParsedOnce) {
  CMarkupNode node = ViewerNode();
  ASSERT_TRUE(Parse(node, "<a>one</a>"));
  EXPECT_FALSE(Parse(node, "<b>two</b>"));
  EXPECT_EQ(node.GetName(), "a");
  // A failed parse leaves the node free for another attempt.
  CMarkupNode retry = ViewerNode();
  EXPECT_FALSE(Parse(retry, "<a><b></a>"));
  EXPECT_TRUE(Parse(retry, "<a><b/></a>"));
}

TEST_F(MarkupNodeTest, DeepNestingFailsInsteadOfOverflowing) {
  auto nested = [](int depth) {
    std::string source;
    for (int i = 0; i < depth; ++i) source += "<e>";
    for (int i = 0; i < depth; ++i) source += "</e>";
    return source;
  };
  CMarkupNode deepest = SetupNode();
  ASSERT_TRUE(Parse(deepest, nested(CMarkupNode::kMaxDepth)));
  const CMarkupNode* node = &deepest;
  int levels = 1;
  while (node->GetChildCount() == 1) {
    node = node->GetChild(0);
    ++levels;
  }
  EXPECT_EQ(levels, CMarkupNode::kMaxDepth);

  CMarkupNode too_deep = SetupNode();
  EXPECT_FALSE(Parse(too_deep, nested(CMarkupNode::kMaxDepth + 1)));
  EXPECT_EQ(host_.Messages(), Texts{markup_text::kNestedTooDeep});

  // Well-formed but far too deep: refused at the limit, not by the stack.
  host_.ClearEvents();
  std::string many;
  for (int i = 0; i < 100000; ++i) many += "<e>";
  for (int i = 0; i < 100000; ++i) many += "</e>";
  CMarkupNode very_deep = ViewerNode();
  EXPECT_FALSE(Parse(very_deep, many));
  EXPECT_EQ(host_.Messages(), Texts{markup_text::kNestedTooDeep});

  host_.ClearEvents();
  CMarkupNode hostile = ViewerNode();
  EXPECT_FALSE(Parse(hostile, std::string(200000, '<')));
  EXPECT_EQ(host_.Messages().size(), 1u);
}

TEST_F(MarkupNodeTest, WriteSerialisesTheTree) {
  CMarkupNode node = SetupNode();
  ASSERT_TRUE(Parse(node, "<a x=\"1\" y=\"2\">hi<b />there<c k=\"v\">in</c></a>"));
  EXPECT_EQ(Written(node),
            "<a x=\"1\" y=\"2\" >\r\nhithere\r\n"
            "<b />\r\n"
            "<c k=\"v\" >\r\nin\r\n</c>\r\n"
            "</a>\r\n");
  EXPECT_EQ(Written(CMarkupNode()), "");
}

TEST_F(MarkupNodeTest, WrittenTreeReadsBackWithTheSameShape) {
  const std::string payload("ab\0\r\n</binary>", 14);
  const std::string source = "<r v=\"1\"><binary length=\"14\">" + payload +
                             "</binary><e a=\"x\"/><t>text</t></r>";
  CMarkupNode first = SetupNode();
  ASSERT_TRUE(Parse(first, source));
  CMarkupNode second = SetupNode();
  ASSERT_TRUE(Parse(second, Written(first)));
  EXPECT_EQ(second.GetName(), "r");
  EXPECT_EQ(second.GetAttribute("v"), "1");
  ASSERT_EQ(second.GetChildCount(), 3);
  EXPECT_EQ(second.GetChild(0)->GetText(), payload);
  EXPECT_TRUE(second.GetChild(1)->IsEmpty());
  EXPECT_EQ(second.GetChild(1)->GetAttribute("a"), "x");
  // Texts pick up the blanks of the written line breaks.
  EXPECT_EQ(second.GetChild(2)->GetText(), " text ");
}

TEST_F(MarkupNodeTest, CopyToIsDeepAndIndependent) {
  CMarkupNode copy;
  {
    CMarkupNode node = SetupNode();
    ASSERT_TRUE(Parse(node, "<directory path=\"ionvue\" type=\"root\"><subdirectory path=\"program\" action=\"create\"/></directory>"));
    node.CopyTo(copy);
  }
  EXPECT_TRUE(copy.IsParsed());
  EXPECT_EQ(copy.GetName(), "directory");
  EXPECT_EQ(copy.GetAttribute("type"), "root");
  ASSERT_EQ(copy.GetChildCount(), 1);
  EXPECT_EQ(copy.GetChild(0)->GetAttribute("path"), "program");
  EXPECT_TRUE(copy.GetChild(0)->IsEmpty());
}

}  // namespace
}  // namespace ionvue
