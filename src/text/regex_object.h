// The regular-expression object: one pattern run over one GBK text, its
// matches and groups handed out by indexes from 1. "." takes one character
// of the text (a two-byte GBK character is one), not one byte.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace quintara {

// The compiled pattern, and the matches of one search (made by Create).
struct RegexEngine;
struct RegexMatches;

class RegexObject {
public:
    // Compiles `pattern` and finds its matches in `subject` (both GBK): all
    // non-overlapping matches from left to right when `global`, else the
    // first. "." never takes a line break. True when the pattern compiled and
    // the text could be read; a search that exceeds the engine's complexity
    // bound counts as finding nothing. After a false result every getter
    // gives "" or 0.
    bool Create(std::string_view pattern, std::string_view subject, bool caseSensitive = false,
                bool multiline = true, bool global = true);

    // The pattern of the last Create; "" when there is none.
    [[nodiscard]] std::string GetPattern() const;
    // The subject with every match found replaced by `replacement`, in which
    // $1 to $99 stand for a group, $& for the match, $` and $' for the text
    // before and after it, and $$ for "$".
    [[nodiscard]] std::string Replace(std::string_view replacement) const;
    [[nodiscard]] int MatchCount() const;
    // The text of match `match` (from 1). With `position`, also its 0-based
    // byte offset: the first occurrence of the text at or after the byte
    // offset equal to the match's character index. An index outside the
    // matches gives "" and the position -2 (not found).
    [[nodiscard]] std::string GetMatch(int match, int* position = nullptr) const;
    // The text of group `group` (from 1) of match `match`; "" for a group
    // that took part in no match. `position` and indexes outside the groups
    // as for GetMatch; the search starts at the match's character index.
    [[nodiscard]] std::string GetSubMatch(int match, int group, int* position = nullptr) const;
    // The number of groups in the first match; 0 when nothing matched.
    [[nodiscard]] int SubMatchCount() const;

private:
    // Copies share these two; each keeps its own subject.
    std::shared_ptr<const RegexEngine> engine_;
    std::shared_ptr<const RegexMatches> matches_;
    std::string subject_;
};

}  // namespace quintara
