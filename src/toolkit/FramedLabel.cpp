#include "toolkit/FramedLabel.h"

namespace toolkit {

FramedLabel::FramedLabel(QWidget *parent) : QLabel(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setMargin(2);
    setAlignment(Qt::AlignCenter);
}

} // namespace toolkit
