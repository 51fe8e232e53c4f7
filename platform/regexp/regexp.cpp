#include "platform/regexp/regexp.h"

#include <algorithm>

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

namespace pindora {
namespace {

// The work bounds of one search step (one call into PCRE2, which tries the start positions from
// where the previous match ended). Compiled patterns count their backtracking steps against
// kMatchLimit for the whole call; a page of ordinary markup needs a few steps per character,
// so pages of several megabytes stay within it while a runaway search stops in milliseconds.
// The interpreter, used only when JIT compilation is unavailable, counts per start position,
// so there the bound holds for each start rather than for the whole step.
constexpr uint32_t kMatchLimit = 10'000'000;
constexpr uint32_t kDepthLimit = 100'000;
constexpr uint32_t kHeapLimitKiB = 64 * 1024;
constexpr PCRE2_SIZE kJitStackStart = 32 * 1024;
constexpr PCRE2_SIZE kJitStackMax = 1024 * 1024;

struct CodeFree {
    void operator()(pcre2_code* code) const { pcre2_code_free(code); }
};
struct CompileContextFree {
    void operator()(pcre2_compile_context* context) const { pcre2_compile_context_free(context); }
};
struct MatchContextFree {
    void operator()(pcre2_match_context* context) const { pcre2_match_context_free(context); }
};
struct MatchDataFree {
    void operator()(pcre2_match_data* data) const { pcre2_match_data_free(data); }
};
struct JitStackFree {
    void operator()(pcre2_jit_stack* stack) const { pcre2_jit_stack_free(stack); }
};
using Code = std::unique_ptr<pcre2_code, CodeFree>;

PCRE2_SPTR units(std::u16string_view text) { return reinterpret_cast<PCRE2_SPTR>(text.data()); }

// The pattern compiled in the script engine's dialect, or null when PCRE2 rejects it.
Code compile(std::u16string_view pattern, bool ignoreCase, bool multiline) {
    std::unique_ptr<pcre2_compile_context, CompileContextFree> context(pcre2_compile_context_create(nullptr));
    if (!context) return nullptr;
    // Line breaks are \n, \r and \r\n: "." stops at them and so do "^" and "$" in multi-line mode.
    pcre2_set_newline(context.get(), PCRE2_NEWLINE_ANYCRLF);
    uint32_t options = PCRE2_UTF | PCRE2_ALT_BSUX | PCRE2_ALLOW_EMPTY_CLASS |
                       PCRE2_MATCH_UNSET_BACKREF | PCRE2_DOLLAR_ENDONLY;
    if (ignoreCase) options |= PCRE2_CASELESS;
    if (multiline) options |= PCRE2_MULTILINE;
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    Code code(pcre2_compile(units(pattern), pattern.size(), options, &error, &errorOffset, context.get()));
    // Without JIT support on this machine the interpreter runs the pattern: same results.
    if (code) pcre2_jit_compile(code.get(), PCRE2_JIT_COMPLETE);
    return code;
}

// One match: the start and end of the whole match and of each group (PCRE2_UNSET for a
// group that took no part).
using Offsets = std::vector<PCRE2_SIZE>;

struct Search {
    std::vector<Offsets> matches;
    bool limitReached = false;
};

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

size_t characterLength(std::u16string_view text, size_t at) {
    return at + 1 < text.size() && isHighSurrogate(text[at]) && isLowSurrogate(text[at + 1]) ? 2 : 1;
}

// The subject with each unpaired surrogate replaced by U+FFFD, unit for unit, so that PCRE2 can
// skip its own validity check on every search step (and indices stay those of the subject).
std::u16string validSubject(std::u16string_view subject) {
    std::u16string valid(subject);
    for (size_t at = 0; at < valid.size(); at += characterLength(valid, at)) {
        bool unpaired = (isHighSurrogate(valid[at]) || isLowSurrogate(valid[at])) && characterLength(valid, at) == 1;
        if (unpaired) valid[at] = u'\uFFFD';
    }
    return valid;
}

// All matches of `code` in `subject` (a valid UTF-16 text), or the first one.
Search search(const pcre2_code* code, std::u16string_view subject, bool global) {
    Search result;
    std::unique_ptr<pcre2_match_data, MatchDataFree> data(pcre2_match_data_create_from_pattern(code, nullptr));
    std::unique_ptr<pcre2_match_context, MatchContextFree> context(pcre2_match_context_create(nullptr));
    std::unique_ptr<pcre2_jit_stack, JitStackFree> stack(pcre2_jit_stack_create(kJitStackStart, kJitStackMax, nullptr));
    if (!data || !context || !stack) {
        result.limitReached = true;
        return result;
    }
    pcre2_set_match_limit(context.get(), kMatchLimit);
    pcre2_set_depth_limit(context.get(), kDepthLimit);
    pcre2_set_heap_limit(context.get(), kHeapLimitKiB);
    pcre2_jit_stack_assign(context.get(), nullptr, stack.get());

    const size_t slots = 2 * pcre2_get_ovector_count(data.get());
    size_t at = 0;
    while (at <= subject.size()) {
        int rc = pcre2_match(code, units(subject), subject.size(), at, PCRE2_NO_UTF_CHECK, data.get(), context.get());
        if (rc == PCRE2_ERROR_NOMATCH) break;
        if (rc < 0) {
            // A match, depth, heap or stack limit: keep what was found and stop.
            result.limitReached = true;
            break;
        }
        const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(data.get());
        result.matches.emplace_back(ovector, ovector + slots);
        if (!global) break;
        // Go on where the match ended; after an empty match, one character further.
        size_t next = std::max<size_t>(ovector[1], at);
        if (ovector[1] <= ovector[0]) {
            if (next >= subject.size()) break;
            next += characterLength(subject, next);
        }
        at = next;
    }
    return result;
}

std::u16string_view slice(std::u16string_view subject, PCRE2_SIZE start, PCRE2_SIZE end) {
    return start == PCRE2_UNSET ? std::u16string_view() : subject.substr(start, end - start);
}

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Appends `replacement` for one match to `out`, expanding $1..$99, $&, $`, $' and $$.
void expand(std::u16string_view replacement, std::u16string_view subject, const Offsets& match, std::u16string& out) {
    const size_t groups = match.size() / 2 - 1;
    for (size_t i = 0; i < replacement.size(); ++i) {
        char16_t c = replacement[i];
        if (c != u'$' || i + 1 == replacement.size()) {
            out += c;
            continue;
        }
        char16_t next = replacement[i + 1];
        if (next == u'$') {
            out += u'$';
        } else if (next == u'&') {
            out += slice(subject, match[0], match[1]);
        } else if (next == u'`') {
            out += subject.substr(0, match[0]);
        } else if (next == u'\'') {
            out += subject.substr(match[1]);
        } else if (isDigit(next)) {
            // Two digits when they name a group, else one digit when it does.
            size_t group = next - u'0';
            size_t used = 1;
            if (i + 2 < replacement.size() && isDigit(replacement[i + 2])) {
                size_t twoDigits = group * 10 + (replacement[i + 2] - u'0');
                if (twoDigits >= 1 && twoDigits <= groups) {
                    group = twoDigits;
                    used = 2;
                }
            }
            if (group < 1 || group > groups) {
                out += c;
                continue;
            }
            out += slice(subject, match[2 * group], match[2 * group + 1]);
            i += used;
            continue;
        } else {
            out += c;
            continue;
        }
        ++i;
    }
}

}  // namespace

RegExpSubMatches::RegExpSubMatches(std::vector<std::optional<std::u16string>> groups) : groups_(std::move(groups)) {}

int RegExpSubMatches::Count() const { return static_cast<int>(groups_.size()); }

std::u16string RegExpSubMatches::Item(int index) const {
    if (index < 0 || index >= Count()) return {};
    return groups_[index].value_or(std::u16string());
}

RegExpMatch::RegExpMatch(std::u16string value, int firstIndex, std::shared_ptr<const RegExpSubMatches> subMatches)
    : value_(std::move(value)), firstIndex_(firstIndex), subMatches_(std::move(subMatches)) {}

const std::u16string& RegExpMatch::Value() const { return value_; }
int RegExpMatch::FirstIndex() const { return firstIndex_; }
std::shared_ptr<const RegExpSubMatches> RegExpMatch::SubMatches() const { return subMatches_; }

RegExpMatchCollection::RegExpMatchCollection(std::vector<std::shared_ptr<const RegExpMatch>> matches,
                                             bool limitReached)
    : matches_(std::move(matches)), limitReached_(limitReached) {}

int RegExpMatchCollection::Count() const { return static_cast<int>(matches_.size()); }

std::shared_ptr<const RegExpMatch> RegExpMatchCollection::Item(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return matches_[index];
}

bool RegExpMatchCollection::LimitReached() const { return limitReached_; }

bool RegExpEngine::IgnoreCase() const { return ignoreCase_; }
void RegExpEngine::IgnoreCase(bool value) { ignoreCase_ = value; }
bool RegExpEngine::Multiline() const { return multiline_; }
void RegExpEngine::Multiline(bool value) { multiline_ = value; }
bool RegExpEngine::Global() const { return global_; }
void RegExpEngine::Global(bool value) { global_ = value; }
const std::u16string& RegExpEngine::Pattern() const { return pattern_; }
void RegExpEngine::Pattern(std::u16string_view value) { pattern_ = value; }

std::shared_ptr<const RegExpMatchCollection> RegExpEngine::Execute(std::u16string_view subject) const {
    Code code = compile(pattern_, ignoreCase_, multiline_);
    if (!code) return nullptr;
    const std::u16string valid = validSubject(subject);
    subject = valid;
    Search found = search(code.get(), subject, global_);
    std::vector<std::shared_ptr<const RegExpMatch>> matches;
    matches.reserve(found.matches.size());
    for (const Offsets& match : found.matches) {
        std::vector<std::optional<std::u16string>> groups;
        for (size_t slot = 2; slot < match.size(); slot += 2) {
            if (match[slot] == PCRE2_UNSET) {
                groups.emplace_back();
            } else {
                groups.emplace_back(slice(subject, match[slot], match[slot + 1]));
            }
        }
        matches.push_back(std::make_shared<RegExpMatch>(std::u16string(slice(subject, match[0], match[1])),
                                                        static_cast<int>(match[0]),
                                                        std::make_shared<RegExpSubMatches>(std::move(groups))));
    }
    return std::make_shared<RegExpMatchCollection>(std::move(matches), found.limitReached);
}

std::optional<std::u16string> RegExpEngine::Replace(std::u16string_view subject,
                                                    std::u16string_view replacement) const {
    Code code = compile(pattern_, ignoreCase_, multiline_);
    if (!code) return std::nullopt;
    const std::u16string valid = validSubject(subject);
    subject = valid;
    Search found = search(code.get(), subject, global_);
    std::u16string out;
    size_t copied = 0;
    for (const Offsets& match : found.matches) {
        out += subject.substr(copied, match[0] - copied);
        expand(replacement, subject, match, out);
        copied = match[1];
    }
    out += subject.substr(copied);
    return out;
}

}  // namespace pindora
