#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace vennor {

// The About box. Ok and Esc only hide it: the main window keeps the one instance, shows it
// modally again on request and closes it when the program ends.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* Command1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
};

} // namespace vennor
