// GBK <-> Unicode through two lookup tables built once from glibc's GB18030
// converter; the rare four-byte GB18030 sequences go through iconv directly.
#include "platform/gbk.h"

#include <iconv.h>

#include <QString>
#include <array>
#include <map>
#include <memory>
#include <vector>

#include "platform/gbk_bytes.h"

namespace platform {
namespace {

constexpr char16_t kEuro = 0x20AC;
constexpr char16_t kReplacement = 0xFFFD;
constexpr int kLeadCount = 0xFE - 0x81 + 1;
constexpr int kTrailCount = 0xFE - 0x40 + 1;

// One iconv conversion direction, opened once and reused for many short
// sequences (opening a descriptor costs far more than converting two bytes).
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != iconv_t(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool IsOpen() const { return cd_ != iconv_t(-1); }

  // Converts one whole sequence; empty on failure.
  std::string operator()(const char* bytes, size_t size) {
    if (!IsOpen()) return {};
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    std::string out(size * 4 + 8, '\0');
    char* in = const_cast<char*>(bytes);
    size_t in_left = size;
    char* dst = out.data();
    size_t out_left = out.size();
    const size_t rc = iconv(cd_, &in, &in_left, &dst, &out_left);
    if (rc == size_t(-1) || in_left != 0) return {};
    out.resize(out.size() - out_left);
    return out;
  }

 private:
  iconv_t cd_;
};

// Decodes one GB18030 sequence to UTF-16 code units (one or two); empty on failure.
std::u16string DecodeSequence(Converter& to_utf16, const char* bytes, size_t size) {
  const std::string utf16 = to_utf16(bytes, size);
  std::u16string units;
  for (size_t i = 0; i + 1 < utf16.size(); i += 2)
    units.push_back(char16_t(uint8_t(utf16[i]) | (uint8_t(utf16[i + 1]) << 8)));
  return units;
}

struct Tables {
  std::array<char16_t, kLeadCount * kTrailCount> decode{};  // 0 = not a two-byte code
  std::vector<uint16_t> encode = std::vector<uint16_t>(0x10000, 0);  // 0 = no two-byte code
  // The few two-byte codes GB18030 maps beyond the BMP (FE51, FE52, ...), as surrogate pairs.
  std::map<uint16_t, std::u16string> decode_pairs;
  bool converter_opened = false;

  Tables() {
    Converter to_utf16("UTF-16LE", "GB18030");
    converter_opened = to_utf16.IsOpen();
    if (!converter_opened) return;
    for (int lead = 0x81; lead <= 0xFE; ++lead) FillRow(to_utf16, lead);
    encode[kEuro] = 0x0080;  // code page 936 keeps the euro sign as the single byte 0x80
  }

 private:
  // The codes of one lead byte in one conversion (start-up pays for 126
  // conversions, not 23,940): GB18030 gives each code one UTF-16 unit, or a
  // surrogate pair. Should the row not convert whole, code by code.
  void FillRow(Converter& to_utf16, int lead) {
    std::string row;
    for (int trail = 0x40; trail <= 0xFE; ++trail)
      if (IsGbkTrailByte(uint8_t(trail))) row += {char(lead), char(trail)};
    const std::u16string units = DecodeSequence(to_utf16, row.data(), row.size());
    size_t at = 0;
    for (size_t code = 0; code < row.size(); code += 2) {
      const auto trail = uint8_t(row[code + 1]);
      if (units.empty()) {
        Store(lead, trail, DecodeSequence(to_utf16, row.data() + code, 2));
        continue;
      }
      const size_t length = at + 1 < units.size() && QChar::isHighSurrogate(units[at]) ? 2 : 1;
      Store(lead, trail, units.substr(std::min(at, units.size()), length));
      at += length;
    }
  }

  void Store(int lead, uint8_t trail, const std::u16string& u) {
    if (u.size() == 2) decode_pairs[uint16_t(lead << 8 | trail)] = u;
    if (u.size() != 1) return;
    decode[(lead - 0x81) * kTrailCount + (trail - 0x40)] = u[0];
    if (encode[u[0]] == 0) encode[u[0]] = uint16_t(lead << 8 | trail);
  }
};

const Tables& GetTables() {
  static const Tables tables;
  return tables;
}

// Hands every UTF-16 unit to `put` with the offset of the character it
// comes from: the one rule of what a GBK text reads as.
template <class Sink>
void Decode(std::string_view gbk, Sink&& put) {
  const Tables& t = GetTables();
  const auto* p = reinterpret_cast<const uint8_t*>(gbk.data());
  const size_t n = gbk.size();
  size_t i = 0;
  while (i < n) {
    const uint8_t b = p[i];
    if (b < 0x80) { put(char16_t(b), i); ++i; continue; }
    if (b == 0x80) { put(kEuro, i); ++i; continue; }
    if (IsGbkLeadByte(b) && i + 1 < n) {
      const uint8_t c = p[i + 1];
      if (IsGbkTrailByte(c)) {
        const char16_t u = t.decode[(b - 0x81) * kTrailCount + (c - 0x40)];
        if (u != 0) { put(u, i); i += 2; continue; }
        const auto pair = t.decode_pairs.find(uint16_t(b << 8 | c));
        if (pair != t.decode_pairs.end()) { for (char16_t unit : pair->second) put(unit, i); i += 2; continue; }
      } else if (IsFourByteDigit(c) && i + 3 < n) {
        thread_local Converter four_byte_to_utf16("UTF-16LE", "GB18030");
        const std::u16string u = DecodeSequence(four_byte_to_utf16, reinterpret_cast<const char*>(p + i), 4);
        if (!u.empty()) { for (char16_t unit : u) put(unit, i); i += 4; continue; }
      }
    }
    put(kReplacement, i);  // shown only; the program's bytes are not touched
    ++i;
  }
}

void AppendFourByte(std::string& out, const char16_t* units, size_t count) {
  std::string utf16le;
  for (size_t k = 0; k < count; ++k) {
    utf16le.push_back(char(units[k] & 0xFF));
    utf16le.push_back(char(units[k] >> 8));
  }
  thread_local Converter to_gb18030("GB18030", "UTF-16LE");
  std::string g = to_gb18030(utf16le.data(), utf16le.size());
  if (g.empty()) g = "\x84\x31\xA4\x37";  // U+FFFD for a lone surrogate
  out += g;
}

}  // namespace

bool GbkConverterAvailable() { return GetTables().converter_opened; }

std::string Utf16ToGbk(std::u16string_view text) {
  const Tables& t = GetTables();
  std::string out;
  out.reserve(text.size() * 2);
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t u = text[i];
    if (u < 0x80) { out.push_back(char(u)); continue; }
    const uint16_t code = t.encode[u];
    if (code == 0x0080) { out.push_back(char(0x80)); continue; }
    if (code != 0) { out.push_back(char(code >> 8)); out.push_back(char(code & 0xFF)); continue; }
    const bool pair = u >= 0xD800 && u <= 0xDBFF && i + 1 < text.size() &&
                      text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    AppendFourByte(out, &text[i], pair ? 2 : 1);
    if (pair) ++i;
  }
  return out;
}

std::string GbkToUtf8(std::string_view gbk) { return GbkToQString(gbk).toStdString(); }

QString GbkToQString(std::string_view gbk) {
  // Every byte yields at most one UTF-16 unit, so the text fits in gbk.size().
  QString out(qsizetype(gbk.size()), Qt::Uninitialized);
  QChar* d = out.data();
  qsizetype k = 0;
  Decode(gbk, [&](char16_t u, size_t) { d[k++] = QChar(u); });
  out.truncate(k);
  return out;
}

std::string QStringToGbk(const QString& text) {
  return Utf16ToGbk(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                        size_t(text.size())));
}

// A character takes at most two bytes, or four when its second byte is a
// digit, so those bytes decide it; its length is where the next character's
// units start.
GbkCharacter GbkCharacterAt(std::string_view gbk, size_t at) {
  const bool may_take_four = at + 1 < gbk.size() && IsFourByteDigit(uint8_t(gbk[at + 1]));
  const std::string_view window = gbk.substr(at, may_take_four ? 4 : 2);
  GbkCharacter c{uint8_t(window.size()), 0};
  Decode(window, [&](char16_t, size_t from) {
    if (from == 0) ++c.units;
    else if (c.bytes > from) c.bytes = uint8_t(from);
  });
  return c;
}

}  // namespace platform
