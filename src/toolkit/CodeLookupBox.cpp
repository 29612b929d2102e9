#include "toolkit/CodeLookupBox.h"

#include "toolkit/Error.h"
#include "toolkit/LookupDialog.h"

#include <QAction>
#include <QKeyEvent>
#include <QStyle>

namespace toolkit {

CodeLookupBox::CodeLookupBox(QWidget *parent)
    : QLineEdit(parent), m_listAction(new QAction(style()->standardIcon(QStyle::SP_FileDialogContentsView),
                                                  QStringLiteral("Buscar en la lista (F2)"), this))
{
    m_listAction->setObjectName(QStringLiteral("listAction"));
    m_listAction->setEnabled(false);
    addAction(m_listAction, QLineEdit::TrailingPosition);
    connect(m_listAction, &QAction::triggered, this, &CodeLookupBox::openListForUser);
}

void CodeLookupBox::configure(std::shared_ptr<ILookupSource> source, const QString &codeColumn,
                              const QString &descriptionColumn, const QString &table, const QString &title)
{
    m_source = std::move(source);
    m_codeColumn = codeColumn;
    m_descriptionColumn = descriptionColumn;
    m_table = table;
    m_title = title;
    m_listAction->setEnabled(m_source != nullptr);
}

bool CodeLookupBox::openList()
{
    if (!m_source)
        return false;
    // Entering first lets the form show the code for editing before the list offers another.
    setFocus(Qt::OtherFocusReason);
    LookupDialog list(m_title, m_source->LookupEntries(m_table, m_codeColumn, m_descriptionColumn), this);
    list.selectCode(text());
    if (list.exec() != QDialog::Accepted)
        return false;
    setText(list.chosenCode());
    setFocus(Qt::OtherFocusReason);
    return true;
}

void CodeLookupBox::openListForUser()
{
    try {
        openList();
    } catch (const std::exception &error) {
        reportError(error);
    } catch (...) {
        reportError(Error(ErrInvalidCall, QStringLiteral("Error desconocido"), QStringLiteral("CodeLookupBox")));
    }
}

void CodeLookupBox::reportError(const std::exception &error) const
{
    if (m_errorHandler)
        m_errorHandler(error);
    else
        qWarning("The list of %s failed: %s", qPrintable(objectName()), error.what());
}

void CodeLookupBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier) {
        openListForUser();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace toolkit
