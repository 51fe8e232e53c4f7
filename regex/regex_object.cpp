#include "regex/regex_object.h"

#include "base/text.h"
#include "platform/codepage/codepage.h"

namespace pindora {

RegexObject::~RegexObject() = default;
RegexObject::RegexObject(const RegexObject& other) = default;
RegexObject& RegexObject::operator=(const RegexObject& other) = default;

bool RegexObject::matchAll(const Text& pattern, const Text& subject, std::optional<bool> caseSensitive,
                           std::optional<bool> multiline, std::optional<bool> global,
                           std::optional<bool> quoteMarker) {
    engine_.reset();
    matches_.reset();
    engine_ = std::make_shared<RegExpEngine>();
    engine_->IgnoreCase(!caseSensitive.value_or(false));
    engine_->Multiline(multiline.value_or(true));
    engine_->Global(global.value_or(true));
    static const Text marker = utf8ToCp936("#引号");
    engine_->Pattern(cp936ToUtf16(quoteMarker.value_or(false) ? replaceText(pattern, marker, "\"") : pattern));
    matches_ = engine_->Execute(cp936ToUtf16(subject));
    subject_ = subject;
    return matches_ != nullptr;
}

void RegexObject::noop() {}

Text RegexObject::pattern() const { return engine_ ? utf16ToCp936(engine_->Pattern()) : Text(); }

Text RegexObject::replace(const Text& replacement) const {
    if (!engine_) return {};
    auto replaced = engine_->Replace(cp936ToUtf16(subject_), cp936ToUtf16(replacement));
    return replaced ? utf16ToCp936(*replaced) : Text();
}

int RegexObject::matchCount() const { return matches_ ? matches_->Count() : 0; }

Text RegexObject::matchText(int n, int* offset) const {
    auto found = match(n);
    if (!found) {
        if (offset) *offset = -1;
        return {};
    }
    Text text = utf16ToCp936(found->Value());
    if (offset) *offset = offsetOf(text, found->FirstIndex());
    return text;
}

Text RegexObject::subMatchText(int n, int k, int* offset) const {
    auto found = match(n);
    if (!found) {
        if (offset) *offset = -1;
        return {};
    }
    Text text = utf16ToCp936(found->SubMatches()->Item(k - 1));
    if (offset) *offset = offsetOf(text, found->FirstIndex());
    return text;
}

int RegexObject::subMatchCount() const {
    auto first = match(1);
    return first ? first->SubMatches()->Count() : 0;
}

std::shared_ptr<const RegExpMatch> RegexObject::match(int n) const {
    return matches_ ? matches_->Item(n - 1) : nullptr;
}

// The engine counts characters, the program bytes. The match starts where the subject's first
// FirstIndex characters end; the text (the match's, or a group's) is searched for from there,
// stepping over double-byte characters, so a group gives the first occurrence of its text at or
// after the match's start. The engine reads IgnoreCase back as "True" or "False", never "0",
// so the search respects letter case, as it should: the text is the subject's own. A text not
// found gives -2.
int RegexObject::offsetOf(const Text& text, int firstIndex) const {
    const std::u16string characters = cp936ToUtf16(subject_);
    const size_t matchStart = utf16ToCp936(std::u16string_view(characters).substr(0, firstIndex)).size();
    return findText(subject_, text, static_cast<int>(matchStart) + 1) - 1;
}

}  // namespace pindora
