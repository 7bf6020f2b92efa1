#include "autofill/TemplateRegexCompiler.h"

#include <limits>

namespace vaultlet {
namespace {

// Deeper nesting than this is refused as "memory exhausted": it never occurs in a real window
// template and would otherwise let a hostile pattern exhaust the call stack.
constexpr int kMaxDepth = 200;

// Expansions of the backslash abbreviations, written in the pattern syntax itself.
struct Abbreviation {
    char letter;
    std::string_view expansion;
};

constexpr Abbreviation kAbbreviations[] = {
    {'a', "([a-zA-Z0-9])"},
    {'b', "([ \\t])"},
    {'c', "([a-zA-Z])"},
    {'d', "([0-9])"},
    {'h', "([0-9a-fA-F])"},
    {'n', "(\r|(\r?\n))"},
    {'q', "(\"[^\"]*\")|('[^']*')"},
    {'w', "([a-zA-Z]+)"},
    {'z', "([0-9]+)"},
};

bool IsDigit(char c) noexcept {
    return c >= '0' && c <= '9';
}

} // namespace

TemplateRegexCompiler::TemplateRegexCompiler(std::string_view pattern, TemplateProgram& program)
    : m_pattern(pattern), m_program(program) {}

TemplateRegexCompiler::TemplateRegexCompiler(std::string_view expansion, TemplateProgram& program, int depth)
    : m_pattern(expansion), m_program(program), m_depth(depth), m_topLevel(false) {}

TemplateRegexError TemplateRegexCompiler::Compile() {
    if (m_pattern.empty()) {
        return kTemplateNoPattern;
    }
    m_program.Clear();
    if (Peek() == '^') {
        m_program.anchored = true;
        ++m_pos;
    }
    Fragment expression;
    if (!ParseAlternation(expression)) {
        return m_error;
    }
    // A closer that closes nothing ends the pattern; whatever follows it is ignored.
    m_program.code = std::move(expression.code);
    Append(m_program.code, TemplateOp::Match);
    return kTemplateSuccess;
}

bool TemplateRegexCompiler::ParseAlternation(Fragment& out) {
    if (!Enter()) {
        return false;
    }
    std::vector<Fragment> alternatives(1);
    bool ok = ParseConcatenation(alternatives.back());
    while (ok && !AtEnd() && Peek() == '|') {
        ++m_pos;
        alternatives.emplace_back();
        ok = ParseConcatenation(alternatives.back());
    }
    Leave();
    if (!ok) {
        return false;
    }
    // Each alternative but the last: try it, and on failure continue with the next one; after a
    // success jump over the remaining alternatives.
    std::int32_t total = Length(alternatives.back());
    for (std::size_t i = 0; i + 1 < alternatives.size(); ++i) {
        total += Length(alternatives[i]) + 2;
    }
    out.nullable = false;
    for (std::size_t i = 0; i < alternatives.size(); ++i) {
        const Fragment& alternative = alternatives[i];
        out.nullable = out.nullable || alternative.nullable;
        if (i + 1 == alternatives.size()) {
            Splice(out.code, alternative.code);
            break;
        }
        Append(out.code, TemplateOp::Split, 1, Length(alternative) + 2);
        Splice(out.code, alternative.code);
        Append(out.code, TemplateOp::Jump, total - static_cast<std::int32_t>(out.code.size()));
    }
    return true;
}

bool TemplateRegexCompiler::ParseConcatenation(Fragment& out) {
    out.nullable = true;
    while (!AtExpressionEnd()) {
        Fragment piece;
        if (!ParsePiece(piece)) {
            return false;
        }
        Splice(out.code, piece.code);
        out.nullable = out.nullable && piece.nullable;
    }
    return true;
}

bool TemplateRegexCompiler::ParsePiece(Fragment& out) {
    return ParseBase(out) && ParseQuantifiers(out);
}

bool TemplateRegexCompiler::ParseQuantifiers(Fragment& piece) {
    while (!AtEnd() && (Peek() == '*' || Peek() == '+' || Peek() == '?')) {
        const char quantifier = Peek();
        ++m_pos;
        const bool lazy = !AtEnd() && Peek() == '?';
        if (lazy) {
            ++m_pos;
        }
        if (quantifier != '?' && piece.nullable) {
            // Repeating something that can match nothing would loop without consuming input.
            return Fail(kTemplateEmptyRepetition);
        }
        const std::int32_t length = Length(piece);
        Fragment wrapped;
        if (quantifier == '*') {
            Append(wrapped.code, TemplateOp::Split, lazy ? length + 2 : 1, lazy ? 1 : length + 2);
            Splice(wrapped.code, piece.code);
            Append(wrapped.code, TemplateOp::Jump, -(length + 1));
            wrapped.nullable = true;
        } else if (quantifier == '+') {
            Splice(wrapped.code, piece.code);
            Append(wrapped.code, TemplateOp::Split, lazy ? 1 : -length, lazy ? -length : 1);
            wrapped.nullable = piece.nullable;
        } else {
            Append(wrapped.code, TemplateOp::Split, lazy ? length + 1 : 1, lazy ? 1 : length + 1);
            Splice(wrapped.code, piece.code);
            wrapped.nullable = true;
        }
        piece = std::move(wrapped);
    }
    return true;
}

bool TemplateRegexCompiler::ParseBase(Fragment& out) {
    const char c = Peek();
    switch (c) {
    case '{':
        return ParseBracketed(out, '}', kTemplateUnclosedMatchGroup, m_program.groupCount++);
    case '(':
        return ParseBracketed(out, ')', kTemplateUnclosedGroup, -1);
    case '[':
        return ParseSet(out);
    case '!':
        return ParseNegation(out);
    case '\\':
        return ParseEscape(out);
    case '.':
        ++m_pos;
        Append(out.code, TemplateOp::Any);
        out.nullable = false;
        return true;
    default:
        break;
    }
    ++m_pos;
    if (c == '$' && m_topLevel && m_pos == m_pattern.size()) {
        Append(out.code, TemplateOp::EndOfInput);
        out.nullable = true;
        return true;
    }
    Append(out.code, TemplateOp::Char, static_cast<unsigned char>(c));
    out.nullable = false;
    return true;
}

bool TemplateRegexCompiler::ParseBracketed(Fragment& out, char closer, TemplateRegexError unclosed, int group) {
    ++m_pos;
    Fragment inner;
    if (!ParseAlternation(inner)) {
        return false;
    }
    if (AtEnd() || Peek() != closer) {
        return Fail(unclosed);
    }
    ++m_pos;
    if (group < 0) {
        out = std::move(inner);
        return true;
    }
    Append(out.code, TemplateOp::GroupStart, group);
    Splice(out.code, inner.code);
    Append(out.code, TemplateOp::GroupEnd, group);
    out.nullable = inner.nullable;
    return true;
}

bool TemplateRegexCompiler::ParseNegation(Fragment& out) {
    ++m_pos;
    if (AtExpressionEnd()) {
        // Nothing to negate: the mark stands for itself.
        Append(out.code, TemplateOp::Char, '!');
        out.nullable = false;
        return true;
    }
    if (!Enter()) {
        return false;
    }
    Fragment inner;
    const bool ok = ParseBase(inner);
    Leave();
    if (!ok) {
        return false;
    }
    const std::int32_t length = Length(inner);
    Append(out.code, TemplateOp::NotBegin, length + 2);
    Splice(out.code, inner.code);
    Append(out.code, TemplateOp::NotEnd);
    out.nullable = true;
    return true;
}

bool TemplateRegexCompiler::ParseSet(Fragment& out) {
    ++m_pos;
    const bool negated = !AtEnd() && Peek() == '^';
    if (negated) {
        ++m_pos;
    }
    std::bitset<256> set;
    bool empty = true;
    for (;;) {
        if (AtEnd()) {
            return Fail(kTemplateUnclosedSet);
        }
        if (Peek() == ']') {
            ++m_pos;
            break;
        }
        unsigned char first = 0;
        if (!ParseSetCharacter(first)) {
            return false;
        }
        unsigned char last = first;
        if (!AtEnd() && Peek() == '-') {
            ++m_pos;
            if (AtEnd()) {
                return Fail(kTemplateUnclosedSet);
            }
            if (!ParseSetCharacter(last)) {
                return false;
            }
            if (last < first) {
                return Fail(kTemplateBadRange);
            }
        }
        for (unsigned value = first; value <= last; ++value) {
            set.set(value);
        }
        empty = false;
    }
    if (empty) {
        return Fail(kTemplateEmptySet);
    }
    if (negated) {
        set.flip();
    }
    m_program.sets.push_back(set);
    Append(out.code, TemplateOp::Set, static_cast<std::int32_t>(m_program.sets.size() - 1));
    out.nullable = false;
    return true;
}

bool TemplateRegexCompiler::ParseSetCharacter(unsigned char& out) {
    char c = Peek();
    ++m_pos;
    if (c == '\\') {
        if (AtEnd()) {
            return Fail(kTemplateUnclosedSet);
        }
        c = Peek();
        ++m_pos;
        if (c == 't') {
            c = '\t';
        }
    }
    out = static_cast<unsigned char>(c);
    return true;
}

bool TemplateRegexCompiler::ParseEscape(Fragment& out) {
    ++m_pos;
    if (AtEnd()) {
        // A trailing backslash has nothing to escape and stands for itself.
        Append(out.code, TemplateOp::Char, '\\');
        out.nullable = false;
        return true;
    }
    const char c = Peek();
    if (IsDigit(c)) {
        return ParseBackReference(out);
    }
    ++m_pos;
    for (const Abbreviation& abbreviation : kAbbreviations) {
        if (abbreviation.letter == c) {
            return ParseAbbreviation(abbreviation.expansion, out);
        }
    }
    Append(out.code, TemplateOp::Char, static_cast<unsigned char>(c));
    out.nullable = false;
    return true;
}

bool TemplateRegexCompiler::ParseBackReference(Fragment& out) {
    long number = 0;
    while (!AtEnd() && IsDigit(Peek())) {
        if (number <= std::numeric_limits<int>::max()) {
            number = number * 10 + (Peek() - '0');
        }
        ++m_pos;
    }
    if (number >= m_program.groupCount) {
        return Fail(kTemplateBadBackReference);
    }
    Append(out.code, TemplateOp::BackReference, static_cast<std::int32_t>(number));
    // The group may have captured nothing (or not taken part) on the path that reaches here, so a
    // back-reference always counts as able to match the empty text.
    out.nullable = true;
    return true;
}

bool TemplateRegexCompiler::ParseAbbreviation(std::string_view expansion, Fragment& out) {
    TemplateRegexCompiler nested(expansion, m_program, m_depth + 1);
    if (!nested.ParseAlternation(out) || !nested.AtEnd()) {
        return Fail(nested.m_error == kTemplateOutOfMemory ? kTemplateOutOfMemory : kTemplateBadAbbreviation);
    }
    return true;
}

bool TemplateRegexCompiler::AtExpressionEnd() const noexcept {
    if (AtEnd()) {
        return true;
    }
    const char c = Peek();
    return c == '|' || c == ')' || c == '}' || c == ']';
}

bool TemplateRegexCompiler::Fail(TemplateRegexError error) noexcept {
    if (m_error == kTemplateSuccess) {
        m_error = error;
    }
    return false;
}

bool TemplateRegexCompiler::Enter() {
    if (++m_depth > kMaxDepth) {
        --m_depth;
        return Fail(kTemplateOutOfMemory);
    }
    return true;
}

void TemplateRegexCompiler::Append(std::vector<TemplateInstruction>& code, TemplateOp op, std::int32_t a,
                                   std::int32_t b) {
    code.push_back(TemplateInstruction{op, a, b});
}

void TemplateRegexCompiler::Splice(std::vector<TemplateInstruction>& code,
                                   const std::vector<TemplateInstruction>& piece) {
    code.insert(code.end(), piece.begin(), piece.end());
}

std::int32_t TemplateRegexCompiler::Length(const Fragment& fragment) {
    return static_cast<std::int32_t>(fragment.code.size());
}

} // namespace vaultlet
