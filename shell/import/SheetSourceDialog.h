#pragma once

#include <QFileDialog>

namespace shell {

// A folder chooser that takes files too: double-click opens a folder, the Add button takes
// whatever is selected, folders and files alike.
class SheetSourceDialog : public QFileDialog {
    Q_OBJECT
public:
    explicit SheetSourceDialog(QWidget *parent);

    QStringList chosen() const { return m_chosen; }

protected:
    void accept() override;

private:
    QStringList m_chosen;
};

} // namespace shell
