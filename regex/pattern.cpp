// Pattern construction, compilation and destruction. A compilation runs
// through the responsive wait, so a long pattern never freezes the window;
// every engine exception is caught here and becomes a false result, except
// running out of memory, which ends the program with the runtime's error.
#include "regex/pattern.h"

#include <exception>
#include <locale>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <string_view>

#include "regex/progress_box.h"
#include "regex/runtime_link.h"

namespace regex_service {
namespace {

// The Pattern whose last compilation the user cancelled, until it is
// constructed, compiled or destructed again. Commands run on the main thread.
const PatternValue* g_cancelled_compilation = nullptr;

// One compilation into a fresh expression, on the wait's thread. It owns a
// copy of the pattern text, so a cancelled one can go on alone.
struct Compilation {
  Compilation(std::string_view pattern, bool case_sensitive_) : text(pattern), case_sensitive(case_sensitive_) {}

  std::string text;
  bool case_sensitive;
  Regex fresh;
  bool compiled = false;
  std::optional<size_t> failed_request;

  void Run() {
    try {
      // ASCII letters fold and classify as Perl has them under every user
      // locale (a Turkish one folds i and I apart); bytes 0x80-0xFF are no
      // letters here, as under every GBK or UTF-8 locale.
      fresh.imbue(std::locale::classic());
      fresh.assign(text.data(), text.data() + text.size(),
                   case_sensitive ? boost::regex_constants::normal : boost::regex_constants::icase);
      compiled = true;
    } catch (const std::bad_alloc&) {
      failed_request = FailedRequestOnThisThread();
    } catch (const std::exception&) {
    }
  }
};

enum class Compiled { kYes, kNo, kCancelled };

// Compiles into a fresh expression and swaps it in only once it is complete,
// so a failure or a cancel leaves the previous expression untouched.
Compiled CompileInto(Regex& expression, std::string_view text, bool case_sensitive) {
  // An empty expression is an error here even where the engine would accept it.
  if (text.empty()) return Compiled::kNo;
  std::shared_ptr<Compilation> compilation;
  try {
    compilation = std::make_shared<Compilation>(text, case_sensitive);
  } catch (const std::bad_alloc&) {
    ReportOutOfMemory(FailedRequestOnThisThread());
  }
  const bool cancelled = RunResponsively([compilation](std::stop_token) { compilation->Run(); },
                                         [] { return rt::WorkProgress{WaitingLine()}; });
  if (cancelled) return Compiled::kCancelled;
  if (compilation->failed_request) ReportOutOfMemory(*compilation->failed_request);
  if (!compilation->compiled) return Compiled::kNo;
  expression.swap(compilation->fresh);
  return Compiled::kYes;
}

PatternValue* PatternArgument(const rt::Args& in) { return in[0].pointer<PatternValue>(); }

}  // namespace

const Regex* CompiledExpression(const PatternValue* pattern) {
  if (pattern == nullptr || pattern->expression == nullptr || pattern->expression->empty()) {
    return nullptr;
  }
  return pattern->expression;
}

bool CompilationWasCancelled(const PatternValue* pattern) {
  return pattern != nullptr && pattern == g_cancelled_compilation;
}

void PatternConstruct(rt::ResultRecord*, int32_t count, const rt::ArgRecord* args) {
  PatternValue* pattern = PatternArgument(rt::Args(count, args));
  if (pattern == nullptr) return;
  if (pattern == g_cancelled_compilation) g_cancelled_compilation = nullptr;
  pattern->expression = new (std::nothrow) Regex();
  pattern->multiline = 1;
}

void PatternDestruct(rt::ResultRecord*, int32_t count, const rt::ArgRecord* args) {
  PatternValue* pattern = PatternArgument(rt::Args(count, args));
  if (pattern == nullptr) return;
  if (pattern == g_cancelled_compilation) g_cancelled_compilation = nullptr;
  delete pattern->expression;
  pattern->expression = nullptr;
}

void PatternCreate(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args) {
  const rt::Args in(count, args);
  PatternValue* pattern = PatternArgument(in);
  if (pattern == nullptr || pattern->expression == nullptr) return;
  const bool case_sensitive = !in.present(2) || in.low(2) != 0;
  const Compiled compiled = CompileInto(*pattern->expression, in.text(1), case_sensitive);
  g_cancelled_compilation = compiled == Compiled::kCancelled ? pattern : nullptr;
  rt::SetBool(result, compiled == Compiled::kYes);
}

}  // namespace regex_service
