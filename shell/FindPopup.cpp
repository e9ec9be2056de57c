#include "FindPopup.h"

#include "CatalogueModel.h"
#include "EntryFilter.h"
#include "WindowDescription.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

#include <algorithm>

namespace shell {

FindPopup::FindPopup(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("FindPopup"));
    setAccessibleName(tr("Find an entry"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);

    m_matches = new EntryFilter(this);
    m_matches->setCaptionsShown(false);
    m_matches->setSourceModel(new CatalogueModel(this));

    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("FindField"));
    m_field->setAccessibleName(tr("Find text"));
    m_field->setPlaceholderText(tr("Find an entry in all lists"));
    m_field->installEventFilter(this);

    m_results = new QListView(this);
    m_results->setObjectName(QStringLiteral("FindResults"));
    m_results->setAccessibleName(tr("Matching entries"));
    m_results->setModel(m_matches);
    m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_results->setFocusPolicy(Qt::NoFocus); // the keys stay in the field
    m_results->setUniformItemSizes(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(m_field);
    layout->addWidget(m_results);

    connect(m_field, &QLineEdit::textChanged, this, &FindPopup::filter);
    // As a popup would: gone once the focus goes elsewhere, or a click lands outside it.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (isVisible() && !isAncestorOf(now))
            hide();
    });
    parent->installEventFilter(this);
    connect(m_results, &QListView::clicked, this, [this](const QModelIndex &index) {
        m_results->setCurrentIndex(index);
        chooseCurrent();
    });
}

void FindPopup::open()
{
    // Over the picture box, which it hides while it is open.
    setGeometry(kPictureBox.pixelLeft(), kPictureBox.pixelTop(), kPictureBox.pixelWidth(),
                kPictureBox.pixelHeight());
    m_field->clear();
    filter(QString());
    show();
    raise();
    m_field->setFocus();
}

void FindPopup::filter(const QString &text)
{
    m_matches->setText(text);
    m_results->setCurrentIndex(m_matches->index(0, 0));
    m_results->scrollToTop();
}

void FindPopup::chooseCurrent()
{
    const QModelIndex current = m_results->currentIndex();
    if (!current.isValid())
        return;
    const int list = current.data(ListRole).toInt();
    const int index = current.data(IndexRole).toInt();
    hide();
    emit entryChosen(list, index);
}

bool FindPopup::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::MouseButtonPress)
        hide();
    if (watched != m_field || event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        const int rows = m_matches->rowCount();
        if (rows == 0)
            return true;
        const int step = m_results->height() / std::max(1, m_results->sizeHintForRow(0)) - 1;
        int row = m_results->currentIndex().row();
        if (key->key() == Qt::Key_Up)
            row -= 1;
        else if (key->key() == Qt::Key_Down)
            row += 1;
        else
            row += (key->key() == Qt::Key_PageUp ? -1 : 1) * std::max(1, step);
        m_results->setCurrentIndex(m_matches->index(std::clamp(row, 0, rows - 1), 0));
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        chooseCurrent();
        return true;
    case Qt::Key_Escape:
        hide();
        return true;
    default:
        return false;
    }
}

} // namespace shell
