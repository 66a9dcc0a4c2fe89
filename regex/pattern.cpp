// Pattern construction, compilation and destruction. Every engine exception is
// caught here and becomes a false result.
#include "regex/pattern.h"

#include <exception>
#include <locale>
#include <new>
#include <string_view>

namespace regex_service {
namespace {

// Compiles into a fresh expression and swaps it in only once it is complete,
// so a failure leaves the previous expression untouched.
bool CompileInto(Regex& expression, std::string_view text, bool case_sensitive) {
  // An empty expression is an error here even where the engine would accept it.
  if (text.empty()) return false;
  try {
    Regex fresh;
    // ASCII letters fold and classify as Perl has them under every user
    // locale (a Turkish one folds i and I apart); bytes 0x80-0xFF are no
    // letters here, as under every GBK or UTF-8 locale.
    fresh.imbue(std::locale::classic());
    fresh.assign(text.data(), text.data() + text.size(),
                 case_sensitive ? boost::regex_constants::normal : boost::regex_constants::icase);
    expression.swap(fresh);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

PatternValue* PatternArgument(const rt::Args& in) { return in[0].pointer<PatternValue>(); }

}  // namespace

const Regex* CompiledExpression(const PatternValue* pattern) {
  if (pattern == nullptr || pattern->expression == nullptr || pattern->expression->empty()) {
    return nullptr;
  }
  return pattern->expression;
}

void PatternConstruct(rt::ResultRecord*, int32_t count, const rt::ArgRecord* args) {
  PatternValue* pattern = PatternArgument(rt::Args(count, args));
  if (pattern == nullptr) return;
  pattern->expression = new (std::nothrow) Regex();
  pattern->multiline = 1;
}

void PatternDestruct(rt::ResultRecord*, int32_t count, const rt::ArgRecord* args) {
  PatternValue* pattern = PatternArgument(rt::Args(count, args));
  if (pattern == nullptr) return;
  delete pattern->expression;
  pattern->expression = nullptr;
}

void PatternCreate(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args) {
  const rt::Args in(count, args);
  PatternValue* pattern = PatternArgument(in);
  if (pattern == nullptr || pattern->expression == nullptr) return;
  const bool case_sensitive = !in.present(2) || in.low(2) != 0;
  rt::SetBool(result, CompileInto(*pattern->expression, in.text(1), case_sensitive));
}

}  // namespace regex_service
