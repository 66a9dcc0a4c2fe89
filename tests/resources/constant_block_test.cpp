// The generated constant block: one contiguous GBK block holding every named
// text, and the texts themselves byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <string_view>
#include <vector>

#include "resources/constants.h"
#include "resources/snippet_languages.h"
#include "tests/test_support.h"

namespace {

using testing_support::Gbk;
namespace c = constants;

struct Named {
  const char* name;
  const char* text;
};

// Pairs a constant with its name, for messages.
#define NAMED(constant) Named{#constant, c::constant}

// Every constant: the ones named here, and each snippet language's label and
// template from the snippet table.
const std::vector<Named>& AllConstants() {
  static const std::vector<Named> all = [] {
    std::vector<Named> named = {
        NAMED(kPresetCatalogue), NAMED(kPlaceholder), NAMED(kLineBreakMarker), NAMED(kCrLf),
        NAMED(kCountPrefix), NAMED(kCountSuffix), NAMED(kNoMatch), NAMED(kEnterPattern),
        NAMED(kEnterStart), NAMED(kEnterEnd), NAMED(kEnterContained), NAMED(kEarlyEndPrefix),
        NAMED(kEarlyEndSuffix), NAMED(kEarlyEndNoMatch), NAMED(kPrefixOnlyPrefix), NAMED(kPrefixOnlyMiddle),
        NAMED(kPrefixOnlyNoMatch), NAMED(kProgressWaiting), NAMED(kProgressFoundPrefix),
        NAMED(kProgressFoundSuffix), NAMED(kProgressCancel), NAMED(kIgnoreCasePrefix),
        NAMED(kFullWidthColon), NAMED(kOne), NAMED(kEmpty),
        NAMED(kLazyAnyRest), NAMED(kCloseAnyRest), NAMED(kLookBehindOpen), NAMED(kClose),
        NAMED(kLazyLookAheadOpen), NAMED(kCloseLazy), NAMED(kLazy), NAMED(kCloseLazyLookAhead),
        NAMED(kBraceCloseLazyLookAhead), NAMED(kBraceOpen), NAMED(kBraceCloseLazy),
        NAMED(kBraceCloseAnyRest), NAMED(kBraceCloseDotStar), NAMED(kDotStar),
        NAMED(kMatchNumberPrefix), NAMED(kMatchNumberSuffix), NAMED(kCharacterPositionSuffix),
        NAMED(kBytePositionSuffix), NAMED(kLengthSuffix), NAMED(kGroupPrefix), NAMED(kGroupSuffix),
        NAMED(kGroupTookNoPart), NAMED(kGroupEmpty), NAMED(kShortened),
    };
    for (const resources::SnippetLanguage& language : resources::SnippetLanguages()) {
      named.push_back({language.label, language.label});
      named.push_back({language.label, language.snippet_template});
    }
    return named;
  }();
  return all;
}
#undef NAMED

// Splits at every CR LF, as the program's own split does.
std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  for (size_t from = 0;;) {
    const size_t at = text.find("\r\n", from);
    lines.emplace_back(text.substr(from, at - from));
    if (at == std::string_view::npos) return lines;
    from = at + 2;
  }
}

// Occurrences of `needle`, stepping over the text by whole GBK characters.
int CountCharacterwise(std::string_view text, std::string_view needle) {
  int count = 0;
  for (size_t i = 0; i < text.size();) {
    if (text.substr(i, needle.size()) == needle) ++count;
    i += static_cast<unsigned char>(text[i]) >= 0x80 ? 2 : 1;
  }
  return count;
}

TEST(ConstantBlock, EveryTextLiesWhollyInsideTheOneBlock) {
  const char* start = c::ConstantBlockStart();
  const char* end = start + c::ConstantBlockSize();
  ASSERT_GT(c::ConstantBlockSize(), 0u);
  EXPECT_EQ(end[-1], '\0');
  for (const Named& constant : AllConstants()) {
    SCOPED_TRACE(constant.name);
    ASSERT_GE(constant.text, start);
    ASSERT_LT(constant.text, end);
    EXPECT_LT(constant.text + std::string_view(constant.text).size(), end);  // its NUL too
  }
}

TEST(ConstantBlock, HoldsNothingButTheNamedTexts) {
  size_t named_bytes = 0;
  for (const Named& constant : AllConstants()) named_bytes += std::string_view(constant.text).size() + 1;
  EXPECT_EQ(named_bytes, c::ConstantBlockSize());
}

TEST(ConstantTexts, ShortTextsAreStoredExactly) {
  const std::vector<std::pair<const char*, std::string>> expected = {
      {c::kPlaceholder, Gbk("【正则表达式】")},
      {c::kLineBreakMarker, Gbk("#换行符")},
      {c::kCrLf, "\r\n"},
      {c::kCountPrefix, Gbk("共找到 ")},
      {c::kCountSuffix, Gbk(" 处匹配：\r\n\r\n")},
      {c::kNoMatch, Gbk("（没有匹配）")},
      {c::kEnterPattern, Gbk("请输入正则表达式")},
      {c::kEnterStart, Gbk("请输入开始文本")},
      {c::kEnterEnd, Gbk("请输入结尾文本")},
      {c::kEnterContained, Gbk("请输入包含文本")},
      {c::kIgnoreCasePrefix, "(?i)"},
      {c::kFullWidthColon, "\xA3\xBA"},
      {c::kOne, "1"},
      {c::kEmpty, ""},
  };
  for (const auto& [text, bytes] : expected) EXPECT_EQ(std::string(text), bytes);
  EXPECT_EQ(std::string_view(c::kPlaceholder).size(), 14u);
  EXPECT_EQ(std::string_view(c::kLineBreakMarker).size(), 7u);
}

TEST(ConstantTexts, BuilderFragmentsKeepEachBackslashAsOneByte) {
  EXPECT_EQ(std::string_view(c::kLazyAnyRest), R"((.+?)[\s\S]*)");
  EXPECT_EQ(std::string_view(c::kCloseAnyRest), R"()[\s\S]*)");
  EXPECT_EQ(std::string_view(c::kBraceCloseAnyRest), R"(}[\s\S]*)");
  EXPECT_EQ(std::string_view(c::kBraceCloseAnyRest).size(), 8u);
}

TEST(PresetCatalogue, HasTwentyRowsOfLabelColonPattern) {
  const std::vector<std::string> rows = Lines(c::kPresetCatalogue);
  const std::vector<std::string> labels = {
      "Email地址", "网址URL", "手机号码", "电话号码", "国内电话号码", "身份证号", "腾讯QQ号",
      "中国邮政编码", "IPv4地址", "HTML标记", "双字节字符", "空白行", "年月日", "正整数",
      "负整数", "整数", "非负整数", "非正整数", "正浮点数", "负浮点数"};
  ASSERT_EQ(rows.size(), 20u);
  for (size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(CountCharacterwise(rows[i], c::kFullWidthColon), 1);
    EXPECT_EQ(rows[i].substr(0, rows[i].find(c::kFullWidthColon)), Gbk(labels[i]));
    EXPECT_GT(rows[i].size(), Gbk(labels[i]).size() + 2);  // a pattern follows
  }
}

std::string PatternOf(std::string_view label) {
  for (const std::string& row : Lines(c::kPresetCatalogue)) {
    const std::string head = Gbk(label) + c::kFullWidthColon;
    if (row.starts_with(head)) return row.substr(head.size());
  }
  return "(missing)";
}

TEST(PresetCatalogue, StoresThePatternsVerbatim) {
  const std::vector<std::pair<std::string_view, std::string_view>> expected = {
      {"空白行", R"(\n\s*\r)"},
      {"电话号码", R"(^(\(\d{3,4}\)|\d{3,4}-)?\d{7,8}$)"},
      {"身份证号", R"((^\d{15}$)|(^\d{18}$)|(^\d{17}(\d|X|x)$))"},
      {"双字节字符", R"([\x81-\xFE][\x40-\x7E\x80-\xFE])"},
      {"Email地址", R"(^\w+([-+.]\w+)*@\w+([-.]\w+)*\.\w+([-.]\w+)*$)"},
      {"HTML标记", R"(<(\S*?)[^>]*>.*?|<.*? />)"},
      {"负浮点数", R"(^-[1-9]\d*\.\d*|-0\.\d*[1-9]\d*$)"},
  };
  for (const auto& [label, pattern] : expected) EXPECT_EQ(PatternOf(label), pattern) << label;
  EXPECT_EQ(PatternOf("空白行").size(), 7u);
}

struct SnippetShape {
  const char* name;
  const char* text;
  size_t bytes;
  size_t lines;
};

TEST(SnippetTemplates, HaveTheirSizesAndEachThePlaceholderOnce) {
  const std::vector<SnippetShape> shapes = {
      {"JavaScrirp", c::kSnippetTemplateJavaScript, 76, 3},
      {"PHP", c::kSnippetTemplatePhp, 105, 3},
      {"JAVA", c::kSnippetTemplateJava, 318, 15},
      {"GO", c::kSnippetTemplateGo, 166, 12},
      {"Python", c::kSnippetTemplatePython, 89, 4},
  };
  for (const SnippetShape& shape : shapes) {
    SCOPED_TRACE(shape.name);
    const std::string_view text = shape.text;
    EXPECT_EQ(text.size(), shape.bytes);
    EXPECT_EQ(Lines(text).size(), shape.lines);
    EXPECT_EQ(text.find('\\'), std::string_view::npos);
  }
  for (const resources::SnippetLanguage& language : resources::SnippetLanguages()) {
    SCOPED_TRACE(language.label);
    EXPECT_EQ(CountCharacterwise(language.snippet_template, c::kPlaceholder), 1);
    EXPECT_FALSE(std::string_view(language.snippet_template).ends_with("\r\n"));
  }
}

TEST(SnippetTemplates, PhpAndPythonAreValidInTheirLanguages) {
  EXPECT_EQ(std::string(c::kSnippetTemplatePhp),
            Gbk("$str = '';\r\n"
                "$isMatched = preg_match('/【正则表达式】/', $str, $matches);\r\n"
                "var_dump($isMatched, $matches);"));
  EXPECT_EQ(std::string(c::kSnippetTemplatePython),
            Gbk("import re\r\n"
                "pattern = re.compile(r'【正则表达式】')\r\n"
                "str = u''\r\n"
                "print(pattern.search(str))"));
}

TEST(SnippetTemplates, KeepTabsAndQuotesAsPlainBytes) {
  EXPECT_EQ(std::string(c::kSnippetTemplateJavaScript),
            Gbk("var pattern = /【正则表达式】/,\r\n\tstr = '';\r\nconsole.log(pattern.test(str));"));
  const std::vector<std::string> java = Lines(c::kSnippetTemplateJava);
  EXPECT_EQ(java[4], "\t");  // a line holding nothing but a tab
  EXPECT_EQ(java[6], "\t\tString str = \"\";");
  EXPECT_EQ(java[7], Gbk("\t\tString pattern = \"【正则表达式】\";"));
  const std::vector<std::string> go = Lines(c::kSnippetTemplateGo);
  EXPECT_EQ(go[3], "\t\"fmt\"");
  EXPECT_EQ(go[9], Gbk("\tmatched, err := regexp.MatchString(\"【正则表达式】\", str)"));
}

}  // namespace
