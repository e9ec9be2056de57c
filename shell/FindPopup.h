#pragma once

#include <QFrame>

class QLineEdit;
class QListView;

namespace shell {

class EntryFilter;

// Ctrl+F: one search over all seven lists, over the picture box. Typing narrows the entries to
// those whose text contains it; Enter or a click picks the highlighted one, Esc or going
// elsewhere leaves everything as it was. It is part of the main window, not a popup of its own,
// so a screen reader finds its field and list there and hears where the focus goes.
class FindPopup : public QFrame {
    Q_OBJECT
public:
    explicit FindPopup(QWidget *parent);

    // Opens over the parent window with an empty search.
    void open();

    QLineEdit *field() const { return m_field; }
    QListView *results() const { return m_results; }

signals:
    // The user picked entry `index` of list `list` (1..7).
    void entryChosen(int list, int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void filter(const QString &text);
    void chooseCurrent();

    EntryFilter *m_matches = nullptr;
    QLineEdit *m_field = nullptr;
    QListView *m_results = nullptr;
};

} // namespace shell
