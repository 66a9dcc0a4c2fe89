// The source text of the press benchmarks: about `matches` single digits
// spread evenly over 10 MB of letters, a CR LF every 100 bytes, so "[0-9]+"
// finds `matches` matches.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

inline const std::string& DigitSource(int64_t matches) {
  constexpr size_t kSourceBytes = 10 * 1000 * 1000;
  constexpr size_t kLineBytes = 100;  // short lines keep the source box responsive
  static std::map<int64_t, std::string> cache;
  std::string& text = cache[matches];
  if (!text.empty()) return text;
  const size_t spacing = kSourceBytes / size_t(matches);
  text.reserve(kSourceBytes);
  for (size_t i = 0; text.size() < kSourceBytes; ++i) {
    if ((i + 1) % kLineBytes == 0) text += "\r\n";
    else text += (i % spacing == spacing / 2) ? '7' : 'x';
  }
  return text;
}
