#pragma once
// The script regular-expression engine: an engine object with the members IgnoreCase,
// Multiline, Global, Pattern, Execute and Replace, a match collection (Count, Item) and
// matches (Value, FirstIndex, SubMatches). Texts are UTF-16 and indices count UTF-16 units.
//
// The dialect is the script engine's: "." matches any character but a line break (\n, \r),
// "[\S\s]" and "[^]" match every character, lazy quantifiers, numbered groups, \uhhhh escapes;
// \s, \w and \d are ASCII classes. An unpaired surrogate in a subject is one character U+FFFD.
// A global search finds all matches left to right without overlaps; after an empty match the
// search goes on one character further. Objects are shared: a collection and its matches
// live as long as anyone holds them, whatever becomes of the engine.
//
// A hostile subject cannot make a search run away: each search step (from the end of one match
// to the next) has a bounded amount of work, and a step that exceeds it ends the collection
// with the matches found before it (LimitReached() tells so).

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pindora {

// The groups of one match, group 1 at index 0.
class RegExpSubMatches {
public:
    explicit RegExpSubMatches(std::vector<std::optional<std::u16string>> groups);

    int Count() const;
    // The text of the group at `index` (0-based); empty for a group that took no part in the
    // match and for an index outside 0..Count()-1.
    std::u16string Item(int index) const;

private:
    std::vector<std::optional<std::u16string>> groups_;
};

class RegExpMatch {
public:
    RegExpMatch(std::u16string value, int firstIndex, std::shared_ptr<const RegExpSubMatches> subMatches);

    const std::u16string& Value() const;
    // Where the match starts in the subject, in UTF-16 units from 0.
    int FirstIndex() const;
    std::shared_ptr<const RegExpSubMatches> SubMatches() const;

private:
    std::u16string value_;
    int firstIndex_;
    std::shared_ptr<const RegExpSubMatches> subMatches_;
};

class RegExpMatchCollection {
public:
    RegExpMatchCollection(std::vector<std::shared_ptr<const RegExpMatch>> matches, bool limitReached);

    int Count() const;
    // The match at `index` (0-based), or null outside 0..Count()-1.
    std::shared_ptr<const RegExpMatch> Item(int index) const;
    // True when the search stopped at the work bound before reaching the end of the subject.
    bool LimitReached() const;

private:
    std::vector<std::shared_ptr<const RegExpMatch>> matches_;
    bool limitReached_;
};

class RegExpEngine {
public:
    // Each property has a reading and a writing form. Defaults: case respected, not
    // multi-line, first match only, empty pattern.
    bool IgnoreCase() const;
    void IgnoreCase(bool value);
    bool Multiline() const;
    void Multiline(bool value);
    bool Global() const;
    void Global(bool value);
    const std::u16string& Pattern() const;
    void Pattern(std::u16string_view value);

    // The matches of Pattern in `subject` (all of them with Global, else at most the first);
    // null when the pattern is rejected.
    std::shared_ptr<const RegExpMatchCollection> Execute(std::u16string_view subject) const;

    // `subject` with the matches (all with Global, else the first) replaced by `replacement`,
    // in which $1 to $99 stand for a group's text, $& for the match, $` for the text before
    // it, $' for the text after it and $$ for a dollar sign; any other "$" is kept. Nothing
    // when the pattern is rejected.
    std::optional<std::u16string> Replace(std::u16string_view subject, std::u16string_view replacement) const;

private:
    bool ignoreCase_ = false;
    bool multiline_ = false;
    bool global_ = false;
    std::u16string pattern_;
};

}  // namespace pindora
