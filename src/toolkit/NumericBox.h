#pragma once

#include <QLineEdit>

namespace toolkit {

// An entry box for a number with a display format ("####", "0000000", "#,##0.00"): it shows
// the formatted value, and the bare number while the user edits it. Only digits, a sign and
// the locale's separators can be typed.
class NumericBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit NumericBox(QWidget *parent = nullptr);

    QString format() const { return m_format; }
    void setFormat(const QString &format);
    // What the box holds now, also while it is being edited.
    double value() const;
    void setValue(double value);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void showValue();
    static double parse(const QString &text);

    QString m_format;
    double m_value = 0;
    bool m_edited = false;
    bool m_showing = false;
};

} // namespace toolkit
