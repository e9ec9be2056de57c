#include "CatalogueList.h"

#include <QCompleter>
#include <QLineEdit>
#include <QWheelEvent>

namespace shell {

CatalogueList::CatalogueList(QWidget *parent)
    : QComboBox(parent)
{
    // Typing offers the entries that contain the typed text; picking one is a choice. This
    // replaces Qt's inline completion, which silently fills the field. Given before the field is
    // handed over, it also spares building the inline completer only to drop it.
    auto *field = new QLineEdit(this);
    auto *completer = new QCompleter(model(), field);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setMaxVisibleItems(12);
    field->setCompleter(completer);
    // Files dropped on a list are sheets for the window to add, not text for the field.
    field->setAcceptDrops(false);
    setLineEdit(field);
    setCompleter(completer); // a pick in the popup now chooses the entry

    // Enter would otherwise add the typed text to the list as a new entry.
    setInsertPolicy(QComboBox::NoInsert);
    // A wheel turned over the window must not focus a list and then change it.
    setFocusPolicy(Qt::StrongFocus);

    // When editing finishes, Qt chooses the entry whose text equals the typed text. Here typing
    // is never a choice: only the drop-down, the arrow keys, the wheel and the completion popup
    // choose.
    QObject::disconnect(field, &QLineEdit::editingFinished, this, nullptr);
}

void CatalogueList::clearText()
{
    setCurrentIndex(-1);
    lineEdit()->clear();
}

void CatalogueList::wheelEvent(QWheelEvent *event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

} // namespace shell
