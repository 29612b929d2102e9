#pragma once

#include <QList>
#include <QString>

namespace toolkit {

// A number mask in the classic Format syntax, read into its sections: up to four, split by
// ";" (positive; negative; zero; null). In a section "0" is a digit always shown, "#" a digit
// shown when significant, "," between digit places asks for grouping and "." places the
// decimal point. Text in double quotes and a character after "\" are literal; so is any other
// character, which lets a plain "Bs. #,##0.00" or "Bs.#,##0" keep its prefix. Literal text between the first
// and the last digit placeholder is not supported and left out.
class NumberMask
{
public:
    struct Section
    {
        QString prefix;
        QString suffix;
        int minInteger = 0;
        int minDecimals = 0;
        int maxDecimals = 0;
        bool grouping = false;
        // Without digit placeholders the section is a fixed text, held in prefix.
        bool hasPlaceholders = false;
    };

    explicit NumberMask(const QString &mask);

    const Section &positive() const { return m_sections.first(); }
    // Null when the mask has no negative section or leaves it empty.
    const Section *negative() const { return given(1); }
    const Section *zero() const { return given(2); }
    const Section *null() const { return given(3); }

private:
    const Section *given(qsizetype index) const;

    QList<Section> m_sections;
    QList<bool> m_given;
};

} // namespace toolkit
