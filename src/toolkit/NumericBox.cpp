#include "toolkit/NumericBox.h"

#include "toolkit/NumberFormat.h"
#include "toolkit/PlainNumber.h"

#include <QFocusEvent>
#include <QLocale>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>

namespace toolkit {

NumericBox::NumericBox(QWidget *parent) : QLineEdit(parent)
{
    const QLocale locale;
    const QString separators = QRegularExpression::escape(locale.decimalPoint() + locale.groupSeparator());
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[-+]?[0-9%1]*").arg(separators)), this));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Text put in from outside (a grid editor does so) counts as much as typing.
    connect(this, &QLineEdit::textChanged, this, [this] { m_edited = !m_showing; });
    showValue();
}

void NumericBox::setFormat(const QString &format)
{
    m_value = value();
    m_format = format;
    m_edited = false;
    showValue();
}

double NumericBox::parse(const QString &text)
{
    bool ok = false;
    const double number = QLocale().toDouble(text.trimmed(), &ok);
    if (ok)
        return number;
    QString plain = text;
    plain.remove(QLocale().groupSeparator());
    plain.replace(QLocale().decimalPoint(), QStringLiteral("."));
    return PlainNumber::read(plain);
}

double NumericBox::value() const
{
    return m_edited ? parse(text()) : m_value;
}

void NumericBox::setValue(double value)
{
    m_value = value;
    m_edited = false;
    showValue();
}

void NumericBox::showValue()
{
    const QScopedValueRollback showing(m_showing, true);
    if (hasFocus() || m_format.isEmpty())
        setText(QLocale().toString(m_value, 'g', 15).remove(QLocale().groupSeparator()));
    else
        setText(NumberFormat::format(m_value, m_format));
}

void NumericBox::focusInEvent(QFocusEvent *event)
{
    // Text put in from outside is edited as it stands, an empty one included.
    if (!m_edited)
        showValue();
    QLineEdit::focusInEvent(event);
}

void NumericBox::focusOutEvent(QFocusEvent *event)
{
    m_value = value();
    m_edited = false;
    QLineEdit::focusOutEvent(event);
    // Hidden by a message box the box still has the user's text in hand: keep it editable.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        showValue();
}

} // namespace toolkit
