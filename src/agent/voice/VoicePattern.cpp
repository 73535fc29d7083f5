#include "agent/voice/VoicePattern.h"

#include <functional>

struct VoicePattern::Node {
    enum Kind { Word, AnyWords, Sequence, Optional, Choice };
    Kind kind = Sequence;
    QString word;
    QList<Node> parts; // Sequence: in order; Optional: one Sequence; Choice: one Sequence per option
};

namespace {
using Node = VoicePattern::Node;

class Parser {
public:
    explicit Parser(const QString& text)
        : text_(text) {}

    // A whole text: alternatives at the top level are allowed too, as in "Shut up|Quiet".
    Node Parse() { return choice(QChar()); }

private:
    // Options separated by bars up to the closing character (or the end).
    Node choice(QChar close) {
        Node node{Node::Choice, {}, {sequence(close)}};
        while (peek() == u'|') {
            ++at_;
            node.parts << sequence(close);
        }
        if (!close.isNull() && peek() == close) ++at_;
        return node.parts.size() == 1 ? node.parts.first() : node;
    }

    Node sequence(QChar close) {
        Node node{Node::Sequence, {}, {}};
        while (at_ < text_.size()) {
            const QChar c = text_.at(at_);
            if (c == u'|' || (!close.isNull() && c == close)) break;
            if (c == u'[') {
                ++at_;
                node.parts << Node{Node::Optional, {}, {choice(u']')}};
            } else if (c == u'(') {
                ++at_;
                node.parts << choice(u')');
            } else if (c == u'.' || c == u'\u2026') {
                skipDots();
                if (node.parts.isEmpty() || node.parts.last().kind != Node::AnyWords)
                    node.parts << Node{Node::AnyWords, {}, {}};
            } else if (c.isLetterOrNumber() || c == u'\'') {
                node.parts << Node{Node::Word, word(), {}};
            } else {
                ++at_; // blanks, a stray closing bracket, "*" and other marks
            }
        }
        return node;
    }

    QString word() {
        const int start = at_;
        while (at_ < text_.size() && (text_.at(at_).isLetterOrNumber() || text_.at(at_) == u'\''))
            ++at_;
        return text_.mid(start, at_ - start).toLower();
    }

    void skipDots() {
        while (at_ < text_.size() && (text_.at(at_) == u'.' || text_.at(at_) == u'\u2026'))
            ++at_;
    }

    QChar peek() const { return at_ < text_.size() ? text_.at(at_) : QChar(); }

    const QString& text_;
    int at_ = 0;
};

bool hasWords(const Node& node) {
    if (node.kind == Node::Word) return true;
    for (const Node& part : node.parts)
        if (hasWords(part)) return true;
    return false;
}

void collectWords(const Node& node, QStringList& into) {
    if (node.kind == Node::Word && !into.contains(node.word)) into << node.word;
    for (const Node& part : node.parts)
        collectWords(part, into);
}

QString jsgf(const Node& node) {
    switch (node.kind) {
    case Node::Word:
        return node.word;
    case Node::AnyWords:
        return {};
    case Node::Optional: {
        const QString inner = jsgf(node.parts.first());
        return inner.isEmpty() ? QString() : QStringLiteral("[ %1 ]").arg(inner);
    }
    case Node::Choice: {
        QStringList options;
        bool anyEmpty = false;
        for (const Node& option : node.parts) {
            const QString text = jsgf(option);
            if (text.isEmpty())
                anyEmpty = true;
            else if (!options.contains(text))
                options << text;
        }
        if (options.isEmpty()) return {};
        const QString choice = options.size() == 1
                                   ? options.first()
                                   : QStringLiteral("( %1 )").arg(options.join(QStringLiteral(" | ")));
        // An option with nothing to say makes the whole choice optional.
        return anyEmpty ? QStringLiteral("[ %1 ]").arg(choice) : choice;
    }
    case Node::Sequence: {
        QStringList parts;
        for (const Node& part : node.parts) {
            const QString text = jsgf(part);
            if (!text.isEmpty()) parts << text;
        }
        return parts.join(u' ');
    }
    }
    return {};
}

// Calls next with every position the node can end at when it starts at `at`; stops when next says so.
using Continue = std::function<bool(int)>;
bool match(const Node& node, const QStringList& words, int at, const Continue& next) {
    switch (node.kind) {
    case Node::Word:
        return at < words.size() && words.at(at) == node.word && next(at + 1);
    case Node::AnyWords:
        for (int end = at; end <= words.size(); ++end)
            if (next(end)) return true;
        return false;
    case Node::Optional:
        return match(node.parts.first(), words, at, next) || next(at);
    case Node::Choice:
        for (const Node& option : node.parts)
            if (match(option, words, at, next)) return true;
        return false;
    case Node::Sequence: {
        std::function<bool(int, int)> from = [&](int part, int position) -> bool {
            if (part == node.parts.size()) return next(position);
            return match(node.parts.at(part), words, position, [&](int end) { return from(part + 1, end); });
        };
        return from(0, at);
    }
    }
    return false;
}
} // namespace

VoicePattern::VoicePattern(const QString& voiceText)
    : root_(std::make_shared<const Node>(Parser(voiceText).Parse())) {}

bool VoicePattern::Empty() const {
    return !hasWords(*root_);
}

QStringList VoicePattern::Words() const {
    QStringList words;
    collectWords(*root_, words);
    return words;
}

QString VoicePattern::Jsgf() const {
    return jsgf(*root_);
}

bool VoicePattern::Matches(const QStringList& words) const {
    if (Empty()) return false;
    return match(*root_, words, 0, [&](int end) { return end == words.size(); });
}
