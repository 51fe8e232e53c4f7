#pragma once
// RegexObject runs one regular expression over one subject text and answers questions about
// the matches: their number, a match's text, a group's text, and the subject with the matches
// replaced. Texts are code page 936; the engine works on characters (platform/regexp).
//
// One object belongs to one thread. A copy shares the engine and the match collection of the
// original and has its own copy of the subject.

#include <memory>
#include <optional>

#include "base/types.h"
#include "platform/regexp/regexp.h"

namespace pindora {

class RegexObject {
public:
    RegexObject() = default;

    // Destroy: releases the engine and the matches.
    ~RegexObject();
    // Copy: shares the engine and the matches, copies the subject.
    RegexObject(const RegexObject& other);
    RegexObject& operator=(const RegexObject& other);

    // Runs `pattern` over `subject` with a new engine. Left out: caseSensitive false,
    // multiline true, global true, quoteMarker false. With quoteMarker true every "#引号" in
    // the pattern stands for a double quote. True when the engine produced a match collection
    // (even an empty one), false for a pattern the engine rejects.
    bool matchAll(const Text& pattern, const Text& subject, std::optional<bool> caseSensitive = std::nullopt,
                  std::optional<bool> multiline = std::nullopt, std::optional<bool> global = std::nullopt,
                  std::optional<bool> quoteMarker = std::nullopt);
    void noop();
    // The engine's pattern; empty before any matchAll.
    Text pattern() const;
    // The subject with every match (or with global false the first) replaced; the replacement
    // uses the engine's syntax ($1, $&, $$ ...). Empty before any matchAll.
    Text replace(const Text& replacement) const;
    // The number of matches; 0 when there is no match collection.
    int matchCount() const;
    // The text of match n (1-based); empty outside 1..matchCount(). When byteOffset is given it
    // receives the match's 0-based byte offset in the subject (-1 when there is no such match).
    Text matchText(int n, int* byteOffset = nullptr) const;
    // The text of group k (1-based) of match n (1-based); empty for a group that took no part
    // and outside the ranges. byteOffset receives the 0-based byte offset of the first
    // occurrence of that text at or after the match's start (-1 when there is no such match).
    Text subMatchText(int n, int k, int* byteOffset = nullptr) const;
    // The number of groups, read from the first match; 0 when there is no match.
    int subMatchCount() const;

private:
    std::shared_ptr<const RegExpMatch> match(int n) const;
    int offsetOf(const Text& text, int firstIndex) const;

    std::shared_ptr<RegExpEngine> engine_;
    std::shared_ptr<const RegExpMatchCollection> matches_;
    Text subject_;
};

}  // namespace pindora
