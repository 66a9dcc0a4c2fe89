// The GBK <-> Unicode conversion at the Qt boundary: the pinned code page 936
// and GB18030 cases, invalid bytes, and every two-byte code round trip.
#include "platform/gbk.h"

#include <gtest/gtest.h>

#include <QString>

namespace {

TEST(GbkConversion, DecodesPinnedCases) {
  const std::pair<std::string, std::u16string> cases[] = {
      {"\x80", u"\u20AC"},                 // code page 936's single-byte euro sign
      {"\xA2\xE3", u"\u20AC"},
      {"\xA6\xD9", u"\uFE10"},
      {"\xFE\x51", u"\U00020087"},
      {"\x94\x39\xFC\x36", u"\U0001F600"},  // a four-byte GB18030 sequence
      {"a\xD6\xD0", u"a\u4E2D"},
      {"\xFF", u"\uFFFD"},                  // invalid bytes show as U+FFFD
      {"\x81", u"\uFFFD"},
      {"\x81\x20", u"\uFFFD "},
      {"\x81\x30\x81", u"\uFFFD0\uFFFD"},   // a cut-off four-byte sequence
  };
  for (const auto& [gbk, text] : cases) EXPECT_EQ(platform::GbkToQString(gbk), QString::fromStdU16String(text)) << gbk;
}

TEST(GbkConversion, EncodesPinnedCases) {
  const std::pair<std::u16string, std::string> cases[] = {
      {u"\u20AC", "\x80"},
      {u"\uFE10", "\xA6\xD9"},
      {u"\U00020087", "\xFE\x51"},
      {u"\U0001F600", "\x94\x39\xFC\x36"},  // nothing typed is lost
      {u"a\u4E2D", "a\xD6\xD0"},
  };
  for (const auto& [text, gbk] : cases) {
    EXPECT_EQ(platform::Utf16ToGbk(text), gbk);
    EXPECT_EQ(platform::QStringToGbk(QString::fromStdU16String(text)), gbk);
  }
}

TEST(GbkConversion, RoundTripsEveryTwoByteCode) {
  int codes = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      const std::string bytes = {char(lead), char(trail)};
      const QString text = platform::GbkToQString(bytes);
      ASSERT_FALSE(text.isEmpty());
      if (text == QChar(0xFFFD)) continue;
      ++codes;
      const std::string back = platform::QStringToGbk(text);
      if (bytes == "\xA2\xE3") EXPECT_EQ(back, "\x80");  // the euro sign keeps its single byte
      else EXPECT_EQ(back, bytes) << std::hex << lead << " " << trail;
    }
  }
  EXPECT_GE(codes, 21791);
}

TEST(GbkConversion, ConvertsToUtf8ForReports) {
  EXPECT_EQ(platform::GbkToUtf8("\xB4\xED\xCE\xF3"), "错误");
}

}  // namespace
