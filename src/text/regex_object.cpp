#include "text/regex_object.h"

#include <unicode/ucnv.h>

#include <boost/regex/icu.hpp>

#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>
#include <vector>

#include "text/icu_converter.h"

namespace quintara {

struct RegexEngine {
    std::string pattern;
    boost::u32regex regex;
};

struct RegexMatches {
    struct Span {
        std::size_t begin = 0;  // bytes of the subject
        std::size_t end = 0;
        bool matched = false;
    };
    // Where a match starts as a character index, and the bytes of the whole
    // match (group 0) and of each group.
    struct Match {
        std::size_t characterIndex = 0;
        std::vector<Span> groups;
    };
    std::vector<Match> items;
};

namespace {

using Span = RegexMatches::Span;
using FoundMatch = RegexMatches::Match;

// A GBK text decoded to UTF-16, with the byte offset at which the character
// of every code unit starts; one more offset, the text's length, closes it.
struct DecodedText {
    std::vector<UChar> units;
    std::vector<std::size_t> byteOffsets;
};

std::optional<DecodedText> decodeGbk(std::string_view bytes) {
    if (bytes.size() >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        return std::nullopt;
    }
    const IcuConverter converter = openIcuConverter("GBK");
    if (!converter) return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;

    // A byte sequence, valid or not, gives at most one code unit per byte.
    DecodedText decoded;
    decoded.units.resize(bytes.size() + 1);
    std::vector<std::int32_t> offsets(decoded.units.size());
    UChar* target = decoded.units.data();
    const char* source = bytes.data();
    ucnv_toUnicode(converter.get(), &target, decoded.units.data() + decoded.units.size(), &source,
                   bytes.data() + bytes.size(), offsets.data(), true, &status);
    if (U_FAILURE(status)) return std::nullopt;

    const auto count = static_cast<std::size_t>(target - decoded.units.data());
    decoded.units.resize(count);
    decoded.byteOffsets.assign(offsets.begin(), offsets.begin() + static_cast<std::ptrdiff_t>(count));
    decoded.byteOffsets.push_back(bytes.size());
    return decoded;
}

std::optional<boost::u32regex> compile(std::string_view pattern, bool caseSensitive,
                                       bool multiline) {
    const std::optional<DecodedText> decoded = decodeGbk(pattern);
    if (!decoded) return std::nullopt;
    auto options = boost::regex_constants::perl | boost::regex_constants::no_mod_s;
    if (!caseSensitive) options |= boost::regex_constants::icase;
    if (!multiline) options |= boost::regex_constants::no_mod_m;
    try {
        return boost::make_u32regex(decoded->units.begin(), decoded->units.end(), options);
    } catch (const std::runtime_error&) {
        return std::nullopt;  // not a valid pattern
    }
}

// The matches of `regex` in `text`, from left to right; only the first
// unless `global`. None when the engine gives up (complexity bound).
std::vector<FoundMatch> search(const boost::u32regex& regex, const DecodedText& text, bool global) {
    std::vector<FoundMatch> found;
    const UChar* begin = text.units.data();
    const UChar* end = begin + text.units.size();
    const auto byteOffset = [&](const UChar* unit) {
        return text.byteOffsets[static_cast<std::size_t>(unit - begin)];
    };
    try {
        const boost::u32regex_iterator<const UChar*> last;
        for (boost::u32regex_iterator<const UChar*> it(begin, end, regex); it != last; ++it) {
            FoundMatch& match = found.emplace_back();
            match.characterIndex = static_cast<std::size_t>((*it)[0].first - begin);
            for (const auto& group : *it) {
                match.groups.push_back(group.matched
                                           ? Span{byteOffset(group.first), byteOffset(group.second), true}
                                           : Span{});
            }
            if (!global) break;
        }
    } catch (const std::runtime_error&) {
        found.clear();
    }
    return found;
}

std::string_view spanText(std::string_view subject, const Span& span) {
    return span.matched ? subject.substr(span.begin, span.end - span.begin) : std::string_view();
}

// The group that the digits after the "$" at `at` name: of one or two digits
// the longer number that is a group of `match`; no digits when none is ("$0"
// names none).
struct GroupReference {
    std::size_t group = 0;
    std::size_t digits = 0;
};
GroupReference groupReference(std::string_view replacement, std::size_t at,
                              const FoundMatch& match) {
    const std::size_t groupCount = match.groups.size() - 1;
    GroupReference named;
    std::size_t number = 0;
    for (std::size_t k = 1; k <= 2 && at + k < replacement.size(); ++k) {
        const char digit = replacement[at + k];
        if (digit < '0' || digit > '9') break;
        number = number * 10 + static_cast<std::size_t>(digit - '0');
        if (number == 0 || number > groupCount) break;
        named = {number, k};
    }
    return named;
}

// Appends `replacement` for one match, its "$" references filled in.
void appendReplacement(std::string& replaced, std::string_view replacement,
                       const FoundMatch& match, std::string_view subject) {
    const Span& whole = match.groups.front();
    for (std::size_t at = 0; at < replacement.size(); ++at) {
        const char next = at + 1 < replacement.size() ? replacement[at + 1] : '\0';
        if (replacement[at] != '$') {
            replaced.push_back(replacement[at]);
        } else if (next == '$') {
            replaced.push_back('$');
            ++at;
        } else if (next == '&') {
            replaced.append(spanText(subject, whole));
            ++at;
        } else if (next == '`') {
            replaced.append(subject.substr(0, whole.begin));
            ++at;
        } else if (next == '\'') {
            replaced.append(subject.substr(whole.end));
            ++at;
        } else if (const GroupReference named = groupReference(replacement, at, match);
                   named.digits > 0) {
            replaced.append(spanText(subject, match.groups[named.group]));
            at += named.digits;
        } else {
            replaced.push_back('$');  // names nothing: stands for itself
        }
    }
}

const FoundMatch* matchAt(const RegexMatches* matches, int match) {
    if (matches == nullptr || match < 1 || static_cast<std::size_t>(match) > matches->items.size()) {
        return nullptr;
    }
    return &matches->items[static_cast<std::size_t>(match - 1)];
}

// The text of one group of `match`, and with `position` where it lies: a
// character index never exceeds the byte offset of its character, so the
// search from it meets the text itself unless an equal text starts earlier.
std::string groupText(std::string_view subject, const FoundMatch* match, std::size_t group,
                      int* position) {
    if (match == nullptr || group >= match->groups.size()) {
        if (position != nullptr) *position = -2;
        return {};
    }
    const std::string_view text = spanText(subject, match->groups[group]);
    if (position != nullptr) {
        const std::size_t at = subject.find(text, match->characterIndex);
        *position = at == std::string_view::npos ? -2 : static_cast<int>(at);
    }
    return std::string(text);
}

}  // namespace

bool RegexObject::Create(std::string_view pattern, std::string_view subject, bool caseSensitive,
                         bool multiline, bool global) {
    engine_.reset();
    matches_.reset();
    subject_.clear();

    std::optional<boost::u32regex> regex = compile(pattern, caseSensitive, multiline);
    const std::optional<DecodedText> text = decodeGbk(subject);
    if (!regex || !text) return false;

    auto matches = std::make_shared<RegexMatches>();
    matches->items = search(*regex, *text, global);
    engine_ = std::make_shared<RegexEngine>(RegexEngine{std::string(pattern), std::move(*regex)});
    matches_ = std::move(matches);
    subject_ = subject;
    return true;
}

std::string RegexObject::GetPattern() const { return engine_ ? engine_->pattern : std::string(); }

std::string RegexObject::Replace(std::string_view replacement) const {
    if (!matches_) return {};
    const std::string_view subject = subject_;
    std::string replaced;
    std::size_t copied = 0;
    for (const FoundMatch& match : matches_->items) {
        const Span& whole = match.groups.front();
        replaced.append(subject.substr(copied, whole.begin - copied));
        appendReplacement(replaced, replacement, match, subject);
        copied = whole.end;
    }
    replaced.append(subject.substr(copied));
    return replaced;
}

int RegexObject::MatchCount() const {
    return matches_ ? static_cast<int>(matches_->items.size()) : 0;
}

std::string RegexObject::GetMatch(int match, int* position) const {
    return groupText(subject_, matchAt(matches_.get(), match), 0, position);
}

std::string RegexObject::GetSubMatch(int match, int group, int* position) const {
    // Group 0 would be the whole match, which is no group.
    const FoundMatch* found = group < 1 ? nullptr : matchAt(matches_.get(), match);
    return groupText(subject_, found, static_cast<std::size_t>(group), position);
}

int RegexObject::SubMatchCount() const {
    const FoundMatch* first = matchAt(matches_.get(), 1);
    return first == nullptr ? 0 : static_cast<int>(first->groups.size() - 1);
}

}  // namespace quintara
