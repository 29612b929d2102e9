#include "marbelisto/host/Tema.h"

#include <QWidget>

namespace marbelisto {

void Tema::configurarFormulario(QWidget *form)
{
    if (!form)
        return;
    form->setPalette(palette());
    form->setFont(font(form->font()));
    form->setAutoFillBackground(true);
}

QPalette Tema::palette() const
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0xEC, 0xF0, 0xF4));
    palette.setColor(QPalette::WindowText, QColor(0x1E, 0x2A, 0x36));
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, QColor(0xF4, 0xF7, 0xFA));
    palette.setColor(QPalette::Text, QColor(0x1E, 0x2A, 0x36));
    palette.setColor(QPalette::Button, QColor(0xDD, 0xE4, 0xEC));
    palette.setColor(QPalette::ButtonText, QColor(0x1E, 0x2A, 0x36));
    palette.setColor(QPalette::Highlight, QColor(0x1F, 0x5F, 0x99));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xF8, 0xDC));
    palette.setColor(QPalette::ToolTipText, QColor(0x1E, 0x2A, 0x36));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x8A, 0x94, 0x9E));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x8A, 0x94, 0x9E));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x8A, 0x94, 0x9E));
    return palette;
}

QFont Tema::font(const QFont &base) const
{
    QFont font = base;
    font.setPointSize(PointSize);
    return font;
}

} // namespace marbelisto
