#include "hostlibs/TextWrap.h"

#include <algorithm>

namespace hostlibs {

namespace {

QStringView chopBlanks(QStringView text)
{
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

QStringView dropBlanks(QStringView text)
{
    while (text.startsWith(u' '))
        text = text.mid(1);
    return text;
}

} // namespace

QStringList TextWrap::lines(const QString &text, int width)
{
    QStringList lines;
    QStringView rest(text);
    while (width > 0 && rest.size() > width && lines.size() < MostLines - 1) {
        // The last blank that leaves a line of at most width; none means a word wider than the line.
        qsizetype cut = rest.left(width + 1).lastIndexOf(u' ');
        if (chopBlanks(rest.left(std::max<qsizetype>(cut, 0))).isEmpty())
            cut = width;
        lines.append(chopBlanks(rest.left(cut)).toString());
        rest = dropBlanks(rest.mid(cut));
    }
    if (width > 0 && rest.size() > width)
        lines.append(rest.left(width - 1).toString() + u'…');
    else if (!rest.isEmpty() || lines.isEmpty())
        lines.append(rest.toString());
    return lines;
}

} // namespace hostlibs
