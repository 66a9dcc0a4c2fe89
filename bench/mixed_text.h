// Mixed GBK text for benchmarks: ASCII words, Chinese characters, commas and
// the report's line-break marker, repeated from a fixed seed.
#pragma once

#include <random>
#include <string>

namespace bench_support {

// "数据" (data), "文本" (text), "正则" and "#换行符" in GBK.
inline const char* const kPieces[] = {
    "hello", " ", "regex", "\xCA\xFD\xBE\xDD", "\xCE\xC4\xB1\xBE", ",", "#\xBB\xBB\xD0\xD0\xB7\xFB",
    "\xD5\xFD\xD4\xF2", "abc123", " ",
};

inline std::string MixedText(size_t bytes) {
  std::mt19937 random(42);
  std::uniform_int_distribution<size_t> pick(0, std::size(kPieces) - 1);
  std::string text;
  text.reserve(bytes + 16);
  while (text.size() < bytes) text += kPieces[pick(random)];
  return text;
}

}  // namespace bench_support
