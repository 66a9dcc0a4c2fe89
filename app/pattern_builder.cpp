// The decision table maps the ticked states to a recipe of pieces: the user's
// texts, inserted verbatim, and the stored fragments between them.
#include "app/pattern_builder.h"

#include <span>
#include <string_view>
#include <vector>

#include "app/control_ids.h"
#include "app/runtime_calls.h"
#include "app/text_builder.h"
#include "app/text_calls.h"
#include "resources/constants.h"

namespace app {
namespace {

struct BuilderTexts {
  OwnedText start, end, contained, count;
};

struct Ticks {
  bool use_start, use_end, use_contained, start_in_match, end_in_match;
};

enum class Role { kFragment, kStart, kEnd, kContained, kCount };

// One piece of a recipe: a user text by its role, or a stored fragment.
struct Piece {
  Role role;
  const char* fragment = nullptr;
};
const Piece s{Role::kStart}, e{Role::kEnd}, m{Role::kContained}, n{Role::kCount};
Piece Fragment(const char* text) { return {Role::kFragment, text}; }

constexpr int kAny = -1;

struct Row {
  int use_start, use_end, use_contained, start_in_match, end_in_match;
  std::vector<Piece> recipe;

  bool Fits(const Ticks& t) const {
    auto fits = [](int wanted, bool ticked) { return wanted == kAny || wanted == int(ticked); };
    return fits(use_start, t.use_start) && fits(use_end, t.use_end) &&
           fits(use_contained, t.use_contained) && fits(start_in_match, t.start_in_match) &&
           fits(end_in_match, t.end_in_match);
  }
};

// Built on first use: the fragments live in the constant block. A ticked
// "end in match" keeps the end text in the match in every row, the end-only
// rows included, so the end text always ends the match when it is ticked.
const std::vector<Row>& DecisionTable() {
  using namespace constants;
  static const Piece behind = Fragment(kLookBehindOpen), close = Fragment(kClose),
                     lazy = Fragment(kLazy), open_count = Fragment(kBraceOpen);
  static const std::vector<Row> table = {
      {1, 0, 0, 1, kAny, {s, Fragment(kLazyAnyRest)}},
      {1, 0, 0, 0, kAny, {behind, s, Fragment(kCloseAnyRest)}},
      {1, 1, 0, 1, 0, {s, Fragment(kLazyLookAheadOpen), e, close}},
      {1, 1, 0, 0, 1, {behind, s, Fragment(kCloseLazy), e}},
      {1, 1, 0, 1, 1, {s, lazy, e}},
      {1, 1, 0, 0, 0, {behind, s, Fragment(kCloseLazyLookAhead), e, close}},
      {1, 1, 1, 1, 0, {s, lazy, m, open_count, n, Fragment(kBraceCloseLazyLookAhead), e, close}},
      {1, 1, 1, 0, 1, {behind, s, Fragment(kCloseLazy), m, open_count, n, Fragment(kBraceCloseLazy), e}},
      {1, 1, 1, 1, 1, {s, lazy, m, open_count, n, Fragment(kBraceCloseLazy), e}},
      {1, 1, 1, 0, 0,
       {behind, s, Fragment(kCloseLazy), m, open_count, n, Fragment(kBraceCloseLazyLookAhead), e, close}},
      {1, 0, 1, 1, kAny, {s, lazy, m, open_count, n, Fragment(kBraceCloseAnyRest)}},
      {1, 0, 1, 0, kAny, {behind, s, Fragment(kCloseLazy), m, open_count, n, Fragment(kBraceCloseAnyRest)}},
      {0, 1, 0, kAny, 1, {lazy, e}},
      {0, 1, 0, kAny, 0, {Fragment(kLazyLookAheadOpen), e, close}},
      {0, 1, 1, kAny, 1, {lazy, m, open_count, n, Fragment(kBraceCloseLazy), e}},
      {0, 1, 1, kAny, 0, {lazy, m, open_count, n, Fragment(kBraceCloseLazyLookAhead), e, close}},
      {0, 0, 1, kAny, kAny, {Fragment(kDotStar), m, open_count, n, Fragment(kBraceCloseDotStar)}},
      {0, 0, 0, kAny, kAny, {}},
  };
  return table;
}

std::string_view PieceText(const Piece& piece, const BuilderTexts& texts) {
  switch (piece.role) {
    case Role::kStart: return texts.start.view();
    case Role::kEnd: return texts.end.view();
    case Role::kContained: return texts.contained.view();
    case Role::kCount: return texts.count.view();
    case Role::kFragment: break;
  }
  return piece.fragment;
}

// The table covers every combination of the three use-boxes, so a row always fits.
std::span<const Piece> RecipeFor(const Ticks& ticks) {
  for (const Row& row : DecisionTable())
    if (row.Fits(ticks)) return row.recipe;
  return {};
}

Ticks ReadTicks() {
  return {IsTicked(control::kUseStart), IsTicked(control::kUseEnd), IsTicked(control::kUseContained),
          IsTicked(control::kStartInMatch), IsTicked(control::kEndInMatch)};
}

BuilderTexts ReadBuilderTexts() {
  return {ReadText(control::kStartText), ReadText(control::kEndText),
          ReadText(control::kContainedText), ReadText(control::kContainedCount)};
}

OwnedText ComposePattern(const Ticks& ticks, const BuilderTexts& texts) {
  TextBuilder pattern;
  if (IsTicked(control::kIgnoreCase)) pattern.Append(constants::kIgnoreCasePrefix);
  for (const Piece& piece : RecipeFor(ticks)) pattern.Append(PieceText(piece, texts));
  return pattern.Take();
}

struct RequiredText {
  uint32_t use_box;
  uint32_t text_box;
  const char* message;
};

// The first ticked use-box whose text box is empty, read afresh, shows its
// message; true when every ticked box has its text.
bool RequiredTextsPresent() {
  const RequiredText kChecks[] = {
      {control::kUseStart, control::kStartText, constants::kEnterStart},
      {control::kUseEnd, control::kEndText, constants::kEnterEnd},
      {control::kUseContained, control::kContainedText, constants::kEnterContained},
  };
  for (const RequiredText& check : kChecks) {
    if (IsTicked(check.use_box) && ReadText(check.text_box).empty()) {
      ShowPrompt(check.message);
      return false;
    }
  }
  return true;
}

}  // namespace

void BuildClicked() {
  OwnedText pattern = ComposePattern(ReadTicks(), ReadBuilderTexts());
  if (!RequiredTextsPresent()) return;
  WriteText(control::kPattern, pattern.get());
}

}  // namespace app
