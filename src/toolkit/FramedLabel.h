#pragma once

#include <QLabel>

namespace toolkit {

// A label in a sunken frame, for a value the user reads but does not type.
class FramedLabel : public QLabel
{
    Q_OBJECT
public:
    explicit FramedLabel(QWidget *parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }
};

} // namespace toolkit
