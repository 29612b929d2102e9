#pragma once

#include "toolkit/ILookupSource.h"

#include <QLineEdit>

#include <exception>
#include <functional>
#include <memory>

namespace toolkit {

// An entry box for a code with a list to choose it from: F2 or the small button opens the
// source's codes and names, searchable as the user types, and puts the chosen code into the
// box. Besides its text the box keeps a stored code (its tag): the form validates what was
// typed, shows a name in the text and keeps the code in the tag.
class CodeLookupBox : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QString tag READ tag WRITE setTag)
public:
    explicit CodeLookupBox(QWidget *parent = nullptr);

    QString tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

    void configure(std::shared_ptr<ILookupSource> source, const QString &codeColumn, const QString &descriptionColumn,
                   const QString &table, const QString &title);
    QString title() const { return m_title; }

    // Shows the list modally, with the focus in the box first; true when a code was chosen.
    // An error of the source travels to the caller.
    bool openList();
    // F2 and the button open the list from Qt's event handling, where no error may escape: an
    // error of the source is handed to this handler, which the application points at its error
    // report. Without one it is only logged.
    void setErrorHandler(std::function<void(const std::exception &)> handler) { m_errorHandler = std::move(handler); }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void openListForUser();
    void reportError(const std::exception &error) const;

    std::shared_ptr<ILookupSource> m_source;
    std::function<void(const std::exception &)> m_errorHandler;
    QString m_codeColumn;
    QString m_descriptionColumn;
    QString m_table;
    QString m_title;
    QString m_tag;
    QAction *m_listAction;
};

} // namespace toolkit
