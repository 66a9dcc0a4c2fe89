// The one conversion between the program's GBK texts and Unicode, used where
// text crosses into or out of Qt. GB18030 rules: every GBK code keeps its GBK
// bytes, 0x80 is the euro sign, characters outside GBK get their four-byte
// GB18030 sequence, and invalid bytes decode as U+FFFD.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class QString;

namespace platform {

// Builds the conversion tables (once) from glibc's GB18030 converter; false
// when that converter cannot be opened, as every non-ASCII character would
// then convert wrongly.
bool GbkConverterAvailable();

std::string Utf16ToGbk(std::u16string_view text);

std::string GbkToUtf8(std::string_view gbk);

QString GbkToQString(std::string_view gbk);
std::string QStringToGbk(const QString& text);

// The character that starts at byte `at` of `gbk` (at < gbk.size()) as the
// conversions to Unicode read it: how many bytes it takes and how many UTF-16
// units it becomes (an invalid byte is one byte, one U+FFFD).
struct GbkCharacter {
  uint8_t bytes, units;
};
GbkCharacter GbkCharacterAt(std::string_view gbk, size_t at);

}  // namespace platform
