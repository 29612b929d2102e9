#include "toolkit/NumberMask.h"

#include <algorithm>

namespace toolkit {

namespace {

enum class Kind { Literal, Digit, Point, Comma };

struct Token
{
    Kind kind;
    QString text;
};

bool isDigitPlaceholder(const Token &token)
{
    return token.kind == Kind::Digit;
}

// Splits at ";" outside quotes and escapes; quotes and escapes stay for the section reader.
QStringList splitSections(const QString &mask)
{
    QStringList sections(QString{});
    bool quoted = false;
    for (qsizetype i = 0; i < mask.size(); ++i) {
        const QChar c = mask.at(i);
        if (!quoted && c == u'\\' && i + 1 < mask.size()) {
            sections.last() += c;
            sections.last() += mask.at(++i);
            continue;
        }
        if (c == u'"')
            quoted = !quoted;
        if (!quoted && c == u';') {
            sections.append(QString());
            continue;
        }
        sections.last() += c;
    }
    return sections;
}

QList<Token> tokenize(const QString &section)
{
    QList<Token> tokens;
    for (qsizetype i = 0; i < section.size(); ++i) {
        const QChar c = section.at(i);
        if (c == u'"') {
            const qsizetype close = section.indexOf(u'"', i + 1);
            const qsizetype end = close < 0 ? section.size() : close;
            tokens.append({Kind::Literal, section.mid(i + 1, end - i - 1)});
            i = end;
        } else if (c == u'\\') {
            if (i + 1 < section.size())
                tokens.append({Kind::Literal, QString(section.at(++i))});
        } else if (c == u'0' || c == u'#') {
            tokens.append({Kind::Digit, QString(c)});
        } else if (c == u'.') {
            tokens.append({Kind::Point, QString(c)});
        } else if (c == u',') {
            tokens.append({Kind::Comma, QString(c)});
        } else {
            tokens.append({Kind::Literal, QString(c)});
        }
    }
    return tokens;
}

QString textOf(const QList<Token> &tokens, qsizetype from, qsizetype to)
{
    QString text;
    for (qsizetype i = from; i < to; ++i)
        text += tokens.at(i).text;
    return text;
}

NumberMask::Section readSection(const QString &text)
{
    NumberMask::Section section;
    const QList<Token> tokens = tokenize(text);
    const auto firstDigit = std::find_if(tokens.begin(), tokens.end(), isDigitPlaceholder);
    if (firstDigit == tokens.end()) {
        section.prefix = textOf(tokens, 0, tokens.size());
        return section;
    }
    section.hasPlaceholders = true;
    qsizetype begin = firstDigit - tokens.begin();
    qsizetype end = tokens.crend() - std::find_if(tokens.crbegin(), tokens.crend(), isDigitPlaceholder);

    // The decimal point is the first one among the placeholders, or right after the last
    // ("0."), or, failing both, right before the first (".00", "$.00"), unless it ends an
    // abbreviation ("Bs.#,##0").
    qsizetype point = -1;
    for (qsizetype i = begin; i <= end && i < tokens.size() && point < 0; ++i) {
        if (tokens.at(i).kind == Kind::Point)
            point = i;
    }
    const auto endsWord = [](const Token &token) {
        return token.kind == Kind::Literal && !token.text.isEmpty() && token.text.back().isLetter();
    };
    const bool afterWord = begin > 1 && endsWord(tokens.at(begin - 2));
    if (point < 0 && begin > 0 && tokens.at(begin - 1).kind == Kind::Point && !afterWord)
        point = begin - 1;
    if (point >= 0) {
        begin = std::min(begin, point);
        end = std::max(end, point + 1);
    }
    section.prefix = textOf(tokens, 0, begin);
    section.suffix = textOf(tokens, end, tokens.size());

    // Any "0" of the integer part shows every digit to its right, so count from the first zero.
    bool zeroSeen = false;
    for (qsizetype i = begin; i < end; ++i) {
        const Token &token = tokens.at(i);
        const bool integerPart = point < 0 || i < point;
        if (integerPart && token.kind == Kind::Comma) {
            section.grouping = true;
        } else if (integerPart && token.kind == Kind::Digit) {
            zeroSeen = zeroSeen || token.text == QLatin1String("0");
            if (zeroSeen)
                ++section.minInteger;
        } else if (!integerPart && token.kind == Kind::Digit) {
            ++section.maxDecimals;
            if (token.text == QLatin1String("0"))
                section.minDecimals = section.maxDecimals;
        }
    }
    return section;
}

} // namespace

NumberMask::NumberMask(const QString &mask)
{
    const QStringList sections = splitSections(mask);
    for (qsizetype i = 0; i < std::min<qsizetype>(sections.size(), 4); ++i) {
        m_sections.append(readSection(sections.at(i)));
        m_given.append(!sections.at(i).isEmpty());
    }
}

const NumberMask::Section *NumberMask::given(qsizetype index) const
{
    return index < m_sections.size() && m_given.at(index) ? &m_sections.at(index) : nullptr;
}

} // namespace toolkit
