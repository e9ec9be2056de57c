#pragma once

#include <QComboBox>

namespace shell {

// An editable drop-down list whose only event is a choice (`activated`). Qt's combo box makes
// choices on its own in several places; this class switches each of them off, so typing,
// Enter, leaving the field and scrolling past it never choose an entry by themselves.
class CatalogueList : public QComboBox {
    Q_OBJECT
public:
    explicit CatalogueList(QWidget *parent = nullptr);

    // Empties the shown text; nothing stays chosen, and no choice is made.
    void clearText();

protected:
    void wheelEvent(QWheelEvent *event) override;
};

} // namespace shell
